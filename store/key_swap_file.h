// The key-swap file beside each macro file: the 93 bytes of the four
// key-swap tables (capital letters, small letters, digits, punctuation), one
// byte per character of the alphabet naming the character it produces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrix {

inline constexpr std::size_t kSwapTablesSize = 93;
using SwapTables = std::span<std::uint8_t, kSwapTablesSize>;
using ConstSwapTables = std::span<const std::uint8_t, kSwapTablesSize>;

// The four alphabets one after another: what unchanged tables hold.
std::string_view SwapAlphabet();

// The macro file's name with ".TVX" (any case) replaced by ".TVS"; any other
// name gets ".TVS" appended, so the key-swap file is never the macro file.
std::string SwapFileName(const std::string& macroPath);

void InitSwapKeys(SwapTables tables);
// Reads the first 93 bytes of the file; false (tables unchanged) when it
// cannot be opened or is shorter.
bool LoadSwapKeys(const std::string& path, SwapTables tables);
// Creates or overwrites the file with the 93 bytes; false when it cannot.
bool SaveSwapKeys(const std::string& path, ConstSwapTables tables);
// Whether any character produces something other than itself.
bool SwapsInUse(ConstSwapTables tables);
// The key-swap state of a macro file: its key-swap file is loaded; a missing
// one is created with unchanged tables (which the tables then hold).
void GetSwapFile(const std::string& macroPath, SwapTables tables);

}  // namespace tavrix
