#include "store/key_swap_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/ascii_text.h"
#include "base/key_swap_alphabet.h"

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

bool LoadSwapKeys(const std::string& path, SwapTables tables) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  char bytes[kSwapTablesSize + 1];
  in.read(bytes, kSwapTablesSize + 1);
  if (in.gcount() != static_cast<std::streamsize>(kSwapTablesSize)) return false;
  std::copy(bytes, bytes + kSwapTablesSize, tables.begin());
  return true;
}

bool SaveSwapKeys(const std::string& path, ConstSwapTables tables) {
  // Only a key-swap file is ever overwritten, never a file of another kind
  // that happens to have its name.
  std::error_code error;
  if (std::filesystem::exists(path, error) && std::filesystem::file_size(path, error) != kSwapTablesSize) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(tables.data()), kSwapTablesSize);
  return static_cast<bool>(out.flush());
}

bool SwapsInUse(ConstSwapTables tables) {
  for (std::size_t i = 0; i < kSwapTablesSize; ++i)
    if (tables[i] != static_cast<std::uint8_t>(kAlphabet[i])) return true;
  return false;
}

SwapFileResult GetSwapFile(const std::string& macroPath, SwapTables tables) {
  const std::string path = SwapFileName(macroPath);
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() != std::filesystem::file_type::not_found) {
    // An existing file that is not exactly the 93 bytes is left as it is
    // (it may be a macro file of that name).
    if (LoadSwapKeys(path, tables)) return SwapFileResult::Loaded;
    InitSwapKeys(tables);
    return SwapFileResult::Unusable;
  }
  InitSwapKeys(tables);
  return SaveSwapKeys(path, tables) ? SwapFileResult::Created : SwapFileResult::NotCreated;
}

std::string SwapFileNotCreatedMessage(const std::string& macroPath) {
  return "The key-swap file \"" + SwapFileName(macroPath) +
         "\" could not be created.  Keys are not remapped for this macro file.";
}

}  // namespace tavrix
