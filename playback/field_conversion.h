// Reading the numeric fields of tags. Fields are meant to be zero-padded
// digits; anything else reads as the digits (or decimal number) it starts
// with, and as 0 when it starts with none.
#pragma once

#include <optional>
#include <string_view>

namespace tavrix {

// The value of the leading decimal digits.
int LeadingNumber(std::string_view field);

// The value of the leading decimal number (digits with at most one point).
double LeadingDecimal(std::string_view field);

// The field as a decimal number when all of it is one (digits with at most
// one point, at least one digit); nothing otherwise.
std::optional<double> WholeDecimal(std::string_view field);

}  // namespace tavrix
