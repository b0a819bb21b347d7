#include "shell/config/profile_values.h"

#include <charconv>

#include "base/ascii_text.h"

namespace tavrix {

bool YesNoValue(std::string_view text) { return ToUpperAscii(text) == "YES"; }

std::string YesNoText(bool value) { return value ? "Yes" : "No"; }

std::optional<std::int32_t> NumberValue(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string NumberText(std::int32_t value) { return std::to_string(value); }

std::string StoredText(std::string_view value) {
  const bool enclosed = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
  if (!enclosed) return std::string(value);
  const char other = value.front() == '"' ? '\'' : '"';
  std::string text(1, other);
  text.append(value).append(1, other);
  return text;
}

}  // namespace tavrix
