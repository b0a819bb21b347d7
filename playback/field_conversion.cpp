#include "playback/field_conversion.h"

#include <charconv>

namespace tavrix {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of the field, and its value.
struct DecimalPrefix {
  std::size_t length = 0;
  int digits = 0;
  double value = 0.0;
};

DecimalPrefix ReadDecimal(std::string_view field) {
  DecimalPrefix prefix;
  bool point = false;
  for (const char c : field) {
    if (IsDigit(c)) {
      ++prefix.digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    ++prefix.length;
  }
  if (prefix.digits > 0) {
    // from_chars rounds correctly, so "00.57" is exactly the double nearest 0.57.
    std::from_chars(field.data(), field.data() + prefix.length, prefix.value, std::chars_format::fixed);
  }
  return prefix;
}

}  // namespace

int LeadingNumber(std::string_view field) {
  long long value = 0;
  for (const char c : field) {
    if (!IsDigit(c)) break;
    value = value * 10 + (c - '0');
    if (value > 1000000000) break;  // fields are at most 5 digits; stay well inside int
  }
  return static_cast<int>(value);
}

double LeadingDecimal(std::string_view field) { return ReadDecimal(field).value; }

std::optional<double> WholeDecimal(std::string_view field) {
  const DecimalPrefix prefix = ReadDecimal(field);
  if (prefix.digits == 0 || prefix.length != field.size()) return std::nullopt;
  return prefix.value;
}

}  // namespace tavrix
