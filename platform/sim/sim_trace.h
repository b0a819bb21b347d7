// The record of everything the simulated desktop and its boxes were asked to
// do, one text line per event, in the order it happened. Tests read it; the
// tavrix tool prints it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrix {

class SimTrace {
 public:
  void Add(std::string line);
  const std::vector<std::string>& Lines() const { return lines_; }
  // All lines, each ending with "\n".
  std::string Text() const;
  void Clear() { lines_.clear(); }
  // A benchmark turns recording off so that only the playback is measured.
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Enabled() const { return enabled_; }

 private:
  std::vector<std::string> lines_;
  bool enabled_ = true;
};

// Clipboard text on one line: \r, \n, \t and \\ escaped, any other byte below
// 32 or above 126 as \xHH.
std::string EscapeClipboardText(std::string_view text);

// Titles, file names and messages on one line: only bytes below 32 or above
// 126 are escaped (\xHH), so paths keep their backslashes.
std::string EscapeTraceText(std::string_view text);

}  // namespace tavrix
