// The answer typed into the repeat prompt, turned into a repeat count. Kept
// apart from the prompt window so it can be checked without Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavrix {

// The text with blanks and control characters removed from both ends.
inline std::string_view TrimRepeatCountText(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

// The trimmed text read as a whole number (an optional sign and decimal
// digits within the 32-bit range); the count is its low 16 bits. Nothing when
// the text is not such a number, in which case the prompt stays open.
inline std::optional<std::uint16_t> RepeatCountFromText(std::string_view text) {
  text = TrimRepeatCountText(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  if (negative) value = -value;
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) & 0xFFFFu);
}

}  // namespace tavrix
