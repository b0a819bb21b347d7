#include "store/key_swap_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/ascii_text.h"

namespace tavrix {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "abcdefghijklmnopqrstuvwxyz"
    "0123456789"
    " !\"#$%&'()*+,-./:;<=>?@[\\]^_`}~";
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
  char bytes[kSwapTablesSize];
  in.read(bytes, kSwapTablesSize);
  if (in.gcount() != static_cast<std::streamsize>(kSwapTablesSize)) return false;
  std::copy(bytes, bytes + kSwapTablesSize, tables.begin());
  return true;
}

bool SaveSwapKeys(const std::string& path, ConstSwapTables tables) {
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

void GetSwapFile(const std::string& macroPath, SwapTables tables) {
  const std::string path = SwapFileName(macroPath);
  std::error_code error;
  if (std::filesystem::exists(path, error) || error) {
    // An existing file that cannot be read is left as it is.
    LoadSwapKeys(path, tables);
    return;
  }
  InitSwapKeys(tables);
  SaveSwapKeys(path, tables);
}

}  // namespace tavrix
