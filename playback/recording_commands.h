// Commands that only note what they were asked to do, one line each, and
// carry nothing out; date and time tags type nothing.
#pragma once

#include <functional>
#include <string>

#include "playback/playback_commands.h"

namespace tavrix {

class RecordingCommands : public PlaybackCommands {
 public:
  using Note = std::function<void(std::string)>;
  explicit RecordingCommands(Note note) : note_(std::move(note)) {}

  CommandOutcome Execute(const MacroElement& element, PlaybackState& state) override;
  std::string DateTimeText(const MacroElement& element) override;

 private:
  Note note_;
};

// The line RecordingCommands notes for an element: its tag name in lower case
// followed by its parameters, e.g. "wsize 640 480 Notepad".
std::string DescribeCommand(const MacroElement& element);

}  // namespace tavrix
