// Small text helpers shared by the settings code. Upper-casing is ASCII only,
// like the upper-casing of the switches and of the Yes/No values: letters of
// other code pages are left as they are.
#pragma once

#include <string>
#include <string_view>

namespace tavrix {

std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// True when `text` ends with `suffix`, letters compared without case.
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);
// Removes blanks (space, tab, vertical tab, form feed, and the old end-of-file
// mark 0x1A that the profile functions also skip) from both ends.
std::string_view TrimBlanks(std::string_view text);
// The first `maxLength` characters of `text`.
std::string CutText(std::string_view text, std::size_t maxLength);

}  // namespace tavrix
