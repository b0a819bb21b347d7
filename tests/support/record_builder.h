// Macro records as the tests need them, and macro files made of them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "store/macro_record.h"
#include "tests/support/scratch_folder.h"

namespace tavrix::test_support {

// An active macro with the "MAIN" icon.
inline MacroRecord Macro(const std::string& nick, std::uint16_t activation, const std::string& text,
                         std::int16_t scope = kScopeGlobal, const std::string& scopeName = "",
                         std::uint8_t topMostOnly = 0) {
  MacroRecord r;
  r.SetNickName(nick);
  r.SetActivation(activation);
  r.SetScope(scope);
  r.SetScopeName(scopeName);
  r.SetActive(1);
  r.SetTopMostOnly(topMostOnly);
  r.SetIconName("MAIN");
  r.SetMacroText(text);
  return r;
}

// A top-most-only hot key macro, as the store tests write them.
inline MacroRecord HotKeyMacro(const std::string& nick, std::uint16_t code, std::int16_t scope = kScopeGlobal,
                               const std::string& text = "hello") {
  return Macro(nick, code, text, scope, "", 1);
}

// System activation `digit` (1..4) on `code` (by default the key a new file
// gives it), scope name the digit.
inline MacroRecord SystemMacro(int digit, const std::string& nick, std::uint16_t code = 0, std::uint8_t topMostOnly = 1) {
  if (code == 0) code = static_cast<std::uint16_t>(261 + digit);
  return Macro(nick, code, "", kScopeSystem, std::string(1, static_cast<char>('0' + digit)), topMostOnly);
}

inline MacroRecord PopupMacro(const std::string& nick, std::uint16_t code, const std::vector<std::uint16_t>& list) {
  MacroRecord r = HotKeyMacro(nick, code, kScopePopupMenu, "");
  r.SetPopupMenuList(list);
  return r;
}

// A macro file of `records`, then `extraBytes` bytes of a cut-off record.
inline void WriteMacroFile(const std::string& path, const std::vector<MacroRecord>& records,
                           std::size_t extraBytes = 0) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const MacroRecord& r : records) out.write(reinterpret_cast<const char*>(r.bytes().data()), kMacroRecordSize);
  for (std::size_t i = 0; i < extraBytes; ++i) out.put('\x5A');
}

// The record at macro number n straight from the file's bytes.
inline MacroRecord RecordOnDisk(const std::string& path, int n) {
  const std::string bytes = ReadFileText(path);
  MacroRecord r;
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>((n - 1) * kMacroRecordSize), kMacroRecordSize,
              r.bytes().begin());
  return r;
}

inline std::size_t RecordsOnDisk(const std::string& path) { return ReadFileText(path).size() / kMacroRecordSize; }

}  // namespace tavrix::test_support
