// Recognition of one element of a macro text at a scan position: a pure
// function of the text, shared by the player and the script view.
#pragma once

#include <cstddef>
#include <string_view>

#include "playback/macro_element.h"

namespace tavrix {

// Free texts keep at most this many characters (the scan still runs to ">").
inline constexpr std::size_t FreeTextCapacity = 255;
// A clipboard block holds at most this many characters.
inline constexpr std::size_t ClipboardBlockCapacity = 5000;

// The element that starts at `position` (which must be inside the text). Its
// views point into `text`.
MacroElement RecognizeElement(std::string_view text, std::size_t position);

// Every tag literal the recogniser knows (names with their "<" and their ":"
// or ">"), in its order of comparison; the date and time tags are not listed.
std::size_t TagLiteralCount();
std::string_view TagLiteral(std::size_t index);

}  // namespace tavrix
