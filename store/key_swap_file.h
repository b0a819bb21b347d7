// The key-swap file beside each macro file: the 93 bytes of the four
// key-swap tables (capital letters, small letters, digits, punctuation), one
// byte per character of the alphabet naming the character it produces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "store/file_access.h"

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
// Reads the file when it holds exactly 93 bytes; false (tables unchanged)
// when it cannot be opened or has any other size.
bool LoadSwapKeys(const std::string& path, SwapTables tables, FileAccess& access = SystemFileAccess());
enum class SwapSaveResult {
  Saved,
  NotSaved,        // the disk refused it; the file is as it was
  MacroFileThere,  // a file of whole macro records has that name: left alone
};
// Writes the 93 bytes beside the file and replaces it with them, so a
// failure or a crash leaves the old tables or the new ones, never an empty
// or torn file. A file of any other size (torn, say) is replaced too, except
// one of whole 5165-byte macro records: that is a macro file, never touched.
SwapSaveResult SaveSwapKeys(const std::string& path, ConstSwapTables tables, FileAccess& access = SystemFileAccess());
// What the user is told when the tables were not saved; empty when they were.
std::string SwapSaveMessage(SwapSaveResult result, const std::string& path);
// Whether any character produces something other than itself.
bool SwapsInUse(ConstSwapTables tables);
enum class SwapFileResult {
  Loaded,      // the key-swap file's tables
  Created,     // none existed: unchanged tables, saved to a new key-swap file
  NotCreated,  // none existed and none could be created: unchanged tables
  Unusable,    // a file that is not 93 bytes (another macro file, say), left as it is: unchanged tables
};
// The key-swap state of a macro file: its key-swap file is loaded; a missing
// one is created with unchanged tables. The tables never keep what they held
// before: anything that does not load gives the unchanged tables.
SwapFileResult GetSwapFile(const std::string& macroPath, SwapTables tables, FileAccess& access = SystemFileAccess());
// What the user is told when the key-swap file of a macro file could not be
// created.
std::string SwapFileNotCreatedMessage(const std::string& macroPath);

}  // namespace tavrix
