#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/win32/hook_dll.h"

namespace tavrix::test {
namespace {

// The names in the library's export directory, read from the loaded image.
std::set<std::string> exportedNames(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
  std::set<std::string> result;
  for (DWORD i = 0; i < directory->NumberOfNames; ++i) {
    result.insert(reinterpret_cast<const char*>(base + names[i]));
  }
  return result;
}

// Entries in the export directory, named or by ordinal only.
DWORD exportedEntryCount(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  const auto* functions = reinterpret_cast<const DWORD*>(base + directory->AddressOfFunctions);
  DWORD count = 0;
  for (DWORD i = 0; i < directory->NumberOfFunctions; ++i) count += functions[i] != 0 ? 1 : 0;
  return count;
}

TEST(HookExports, LibraryLoadsByName) {
  HookDll dll;
  ASSERT_TRUE(dll.loaded()) << "TVXHOOK.DLL not found beside the test";
}

TEST(HookExports, EveryExportIsFoundByItsPlainName) {
  HookDll dll;
  ASSERT_TRUE(dll.loaded());
  for (const auto& name : hookExportNames()) {
    EXPECT_NE(dll.find(name), nullptr) << name;
  }
}

// Nothing else either, not even by ordinal: any process could call it.
TEST(HookExports, ExactlyTheNineteenNamesAndNoDecoratedOnes) {
  const HMODULE module = LoadLibraryA("TVXHOOK.DLL");
  ASSERT_NE(module, nullptr);
  const auto names = exportedNames(module);
  const std::set<std::string> expected(hookExportNames().begin(), hookExportNames().end());
  EXPECT_EQ(expected.size(), 19u);
  EXPECT_EQ(names, expected);
  EXPECT_EQ(exportedEntryCount(module), 19u);
  EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(100)), nullptr);
  FreeLibrary(module);
}

}  // namespace
}  // namespace tavrix::test
