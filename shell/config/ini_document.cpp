#include "shell/config/ini_document.h"

#include <algorithm>

#include "base/ascii_text.h"

namespace tavrix {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The name of a "[name]" line, blanks trimmed; nothing for other lines. A
// line with an opening bracket but no closing one is not a header.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
  const std::string_view text = TrimBlanks(line);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const std::size_t close = text.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(text.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
  const std::string_view text = TrimBlanks(line);
  if (text.empty() || text.front() == ';' || text.front() == '[') return std::nullopt;
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{TrimBlanks(text.substr(0, equals)), TrimBlanks(text.substr(equals + 1))};
}

std::string_view WithoutEnclosingQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string_view UpToLineBreak(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

bool IsBlankLine(std::string_view line) { return TrimBlanks(line).empty(); }

std::string HeaderLine(std::string_view section) {
  std::string line(1, '[');
  line.append(section).append(1, ']');
  return line;
}

std::string EntryLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line.append(1, '=').append(value);
  return line;
}

}  // namespace

IniDocument::LineKey IniDocument::KeyOfLine(std::string_view line) {
  const auto entry = EntryOf(line);
  return entry ? IniDocument::LineKey{true, std::string(entry->key)} : IniDocument::LineKey{};
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument document;
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    document.byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lineEnd = text.find_first_of("\r\n", start);
    if (lineEnd == std::string_view::npos) {
      document.lines_.emplace_back(text.substr(start));
      break;
    }
    document.lines_.emplace_back(text.substr(start, lineEnd - start));
    start = lineEnd + 1;
    if (text[lineEnd] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return document;
}

void IniDocument::Index() const {
  if (indexed_) return;
  headers_.clear();
  keys_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionNameOf(lines_[i])) headers_.push_back({i, std::string(*name)});
    keys_.push_back(KeyOfLine(lines_[i]));
  }
  indexed_ = true;
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
  Index();
  for (std::size_t k = 0; k < headers_.size(); ++k) {
    if (!EqualsIgnoringCase(headers_[k].name, section)) continue;
    return Range{headers_[k].line, k + 1 < headers_.size() ? headers_[k + 1].line : lines_.size()};
  }
  return std::nullopt;
}

void IniDocument::InsertLine(std::size_t at, std::string line) {
  if (indexed_) {
    for (Header& header : headers_)
      if (header.line >= at) ++header.line;
    if (const auto name = SectionNameOf(line)) {
      const auto place = std::find_if(headers_.begin(), headers_.end(), [at](const Header& h) { return h.line > at; });
      headers_.insert(place, Header{at, std::string(*name)});
    }
    keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(at), KeyOfLine(line));
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::optional<std::size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
  Index();
  for (std::size_t i = range.header + 1; i < range.end; ++i)
    if (keys_[i].entry && EqualsIgnoringCase(keys_[i].key, key)) return i;
  return std::nullopt;
}

// New keys go right after the section's last non-blank line, so the blank
// line that separates it from the next section stays where it is.
std::size_t IniDocument::InsertionPoint(const Range& range) const {
  std::size_t point = range.end;
  while (point > range.header + 1 && IsBlankLine(lines_[point - 1])) --point;
  return point;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  const auto line = FindKey(*range, key);
  if (!line) return std::nullopt;
  return std::string(WithoutEnclosingQuotes(EntryOf(lines_[*line])->value));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  section = UpToLineBreak(section);
  key = UpToLineBreak(key);
  value = UpToLineBreak(value);
  const auto range = FindSection(section);
  if (!range) {
    if (!lines_.empty() && !IsBlankLine(lines_.back())) InsertLine(lines_.size(), std::string());
    InsertLine(lines_.size(), HeaderLine(section));
    InsertLine(lines_.size(), EntryLine(key, value));
    return;
  }
  if (const auto line = FindKey(*range, key)) {
    // Same key, new value: the line stays an entry of that key.
    lines_[*line] = EntryLine(std::string(EntryOf(lines_[*line])->key), value);
    return;
  }
  InsertLine(InsertionPoint(*range), EntryLine(key, value));
}

std::string IniDocument::Text() const {
  std::string text;
  if (byteOrderMark_) text += kByteOrderMark;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace tavrix
