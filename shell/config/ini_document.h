// The text of an INI file held as lines, read and changed the way the Windows
// profile functions do it: sections and keys match without regard to case,
// the first section and the first key of a name win, and a change touches only
// its own line so that comments, other sections and the order of everything
// else stay as the user left them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix {

class IniDocument {
 public:
  IniDocument() = default;

  // Any bytes are accepted. Lines may end in CR LF, LF or CR alone.
  static IniDocument Parse(std::string_view text);

  // The value as the profile functions return it: blanks around it trimmed,
  // then one pair of matching enclosing quotes (" or ') removed. Nothing when
  // the section or key is missing. Lines outside a section, comment lines
  // (starting with ';') and lines without '=' never match.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Replaces the value of an existing key in place (the key keeps its
  // spelling), or adds the key after the last entry of the section, or adds
  // the section at the end. A value is cut at its first line break, since a
  // line break would start a new line of the file.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole file with CR LF after every line.
  std::string Text() const;

  bool empty() const { return lines_.empty(); }

 private:
  struct Range {
    std::size_t header;  // index of the "[section]" line
    std::size_t end;     // one past the section's last line
  };
  std::optional<Range> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
  std::size_t InsertionPoint(const Range& range) const;
  void InsertLine(std::size_t at, std::string line);
  void Index() const;

  std::vector<std::string> lines_;  // without their line ends
  // What each line is, found once and kept up to date, so a lookup passes
  // the sections and compares keys instead of reading every line again:
  // where the "[section]" lines are, and the key of each entry line.
  struct LineKey {
    bool entry = false;
    std::string key;
  };
  static LineKey KeyOfLine(std::string_view line);
  struct Header {
    std::size_t line;
    std::string name;
  };
  mutable std::vector<Header> headers_;
  mutable std::vector<LineKey> keys_;
  mutable bool indexed_ = false;
  bool byteOrderMark_ = false;      // a UTF-8 mark in front of the first line, kept as it was
};

}  // namespace tavrix
