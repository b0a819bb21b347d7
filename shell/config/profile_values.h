// The value forms of the configuration file: Yes/No, decimal numbers and texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrix {

// True exactly when the value, upper-cased, is "YES": "yes" counts, "True"
// and "1" do not.
bool YesNoValue(std::string_view text);
std::string YesNoText(bool value);

// A decimal integer with an optional sign that fits in 32 bits; nothing for
// anything else (empty, letters, trailing characters, overflow).
std::optional<std::int32_t> NumberValue(std::string_view text);
std::string NumberText(std::int32_t value);

// The text to write so that reading gives `value` back: the profile functions
// drop one pair of enclosing quotes, so a value that is itself enclosed in
// quotes gets a pair of the other kind around it.
std::string StoredText(std::string_view value);

}  // namespace tavrix
