#include "store/key_swap_file.h"

#include <algorithm>
#include <cctype>

#include "base/ascii_text.h"
#include "base/key_swap_alphabet.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

constexpr std::string_view kAlphabet = kSwapAlphabet;
static_assert(kAlphabet.size() == kSwapTablesSize);

bool EndsWithTvx(const std::string& path) { return EndsWithIgnoringCase(path, ".TVX"); }

}  // namespace

std::string_view SwapAlphabet() { return kAlphabet; }

std::string SwapFileName(const std::string& macroPath) {
  if (EndsWithTvx(macroPath)) return macroPath.substr(0, macroPath.size() - 4) + ".TVS";
  return macroPath + ".TVS";
}

void InitSwapKeys(SwapTables tables) { std::copy(kAlphabet.begin(), kAlphabet.end(), tables.begin()); }

bool LoadSwapKeys(const std::string& path, SwapTables tables, FileAccess& access) {
  const std::optional<std::string> bytes = ReadWholeFile(access, path);
  if (!bytes || bytes->size() != kSwapTablesSize) return false;
  std::copy(bytes->begin(), bytes->end(), tables.begin());
  return true;
}

SwapSaveResult SaveSwapKeys(const std::string& path, ConstSwapTables tables, FileAccess& access) {
  if (access.Kind(path) != PathKind::Missing) {
    const std::unique_ptr<LockedFile> existing = access.Open(path, LockedOpen::Read);
    const std::optional<std::uint64_t> size = existing ? existing->Size() : std::nullopt;
    if (!size) return SwapSaveResult::NotSaved;
    if (*size > 0 && *size % kMacroRecordSize == 0) return SwapSaveResult::MacroFileThere;
  }
  const std::string bytes(reinterpret_cast<const char*>(tables.data()), kSwapTablesSize);
  return ReplaceWholeFile(access, path, bytes) ? SwapSaveResult::Saved : SwapSaveResult::NotSaved;
}

std::string SwapSaveMessage(SwapSaveResult result, const std::string& path) {
  switch (result) {
    case SwapSaveResult::Saved: break;
    case SwapSaveResult::NotSaved:
      return "The key-swap file \"" + path +
             "\" could not be saved.  The remapped keys last only until another macro file is loaded or Tavrix ends.";
    case SwapSaveResult::MacroFileThere:
      return "\"" + path +
             "\" holds macros, so the remapped keys were not saved in it.  Rename that file to keep the remapped keys.";
  }
  return {};
}

bool SwapsInUse(ConstSwapTables tables) {
  for (std::size_t i = 0; i < kSwapTablesSize; ++i)
    if (tables[i] != static_cast<std::uint8_t>(kAlphabet[i])) return true;
  return false;
}

SwapFileResult GetSwapFile(const std::string& macroPath, SwapTables tables, FileAccess& access) {
  const std::string path = SwapFileName(macroPath);
  if (access.Kind(path) != PathKind::Missing) {
    // An existing file that is not exactly the 93 bytes is left as it is
    // here (it may be a macro file of that name); a remap replaces it.
    if (LoadSwapKeys(path, tables, access)) return SwapFileResult::Loaded;
    InitSwapKeys(tables);
    return SwapFileResult::Unusable;
  }
  InitSwapKeys(tables);
  return SaveSwapKeys(path, tables, access) == SwapSaveResult::Saved ? SwapFileResult::Created
                                                                       : SwapFileResult::NotCreated;
}

std::string SwapFileNotCreatedMessage(const std::string& macroPath) {
  return "The key-swap file \"" + SwapFileName(macroPath) +
         "\" could not be created.  Keys are not remapped for this macro file.";
}

}  // namespace tavrix
