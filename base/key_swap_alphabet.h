// The 93 characters a user can remap, in the order of the key-swap tables:
// capital letters, small letters, digits, punctuation (a space, the
// punctuation from ! to ` and then } and ~; { and | cannot be remapped).
// Shared by the program, which edits and stores the tables, and the hook
// library, which applies them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tavrix {

inline constexpr std::size_t kSwapAlphabetSize = 93;

inline constexpr std::string_view kSwapAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "abcdefghijklmnopqrstuvwxyz"
    "0123456789"
    " !\"#$%&'()*+,-./:;<=>?@[\\]^_`}~";
static_assert(kSwapAlphabet.size() == kSwapAlphabetSize);

// Where each table starts within the 93 bytes, and its length.
struct SwapTableSpan {
  std::size_t start;
  std::size_t size;
};
inline constexpr SwapTableSpan kCapitalTable{0, 26};
inline constexpr SwapTableSpan kSmallTable{26, 26};
inline constexpr SwapTableSpan kDigitTable{52, 10};
inline constexpr SwapTableSpan kPunctuationTable{62, 31};

// The position of each character 0..255 in the alphabet, or -1.
inline constexpr std::array<std::int8_t, 256> kSwapPositions = [] {
  std::array<std::int8_t, 256> positions{};
  positions.fill(-1);
  for (std::size_t i = 0; i < kSwapAlphabet.size(); ++i)
    positions[static_cast<unsigned char>(kSwapAlphabet[i])] = static_cast<std::int8_t>(i);
  return positions;
}();

constexpr int SwapPosition(std::uint8_t character) { return kSwapPositions[character]; }

}  // namespace tavrix
