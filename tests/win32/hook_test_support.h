// Helpers for tests of the hook library's decisions: the program's side of
// the shared table, the user's (or another program's) input, and a recorder
// of what the library lets through to the rest of the hook chain.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include <windows.h>

#include "tests/win32/hook_dll.h"

namespace tavrix::test {

// The program's 19755-byte table with the fields these tests set, published
// to the library through its exports.
class ProgramTable {
 public:
  explicit ProgramTable(HookDll& dll);
  // Clears every field in the library's copy again.
  ~ProgramTable();

  void publishAll(HWND mainWindow);
  void setUsed(int code, bool used);  // and TvxUpKeys
  void setInUse(bool inUse);          // and TvxUpInUse
  void setEntry(HWND window, bool active);  // and TvxUpWindow2

 private:
  void putU32(std::size_t offset, std::uint32_t value);
  HookDll& dll_;
  std::vector<BYTE> bytes_;
};

// Keys as another program sends them (no marker), or marked as Tavrix's own.
void sendKey(BYTE vk, bool up, ULONG_PTR extraInfo = 0);
// Presses the modifiers, presses and releases `vk`, releases the modifiers.
void sendCombination(std::initializer_list<BYTE> modifiers, BYTE vk, ULONG_PTR extraInfo = 0);
void sendClick(DWORD downFlag, DWORD upFlag, ULONG_PTR extraInfo = 0);

// Low-level hooks on the test's thread, installed before the library's hooks
// and so called after them: they see only what the library passes on.
class Downstream {
 public:
  Downstream();
  ~Downstream();
  Downstream(const Downstream&) = delete;
  Downstream& operator=(const Downstream&) = delete;
  bool installed() const { return keyboard_ != nullptr && mouse_ != nullptr; }

  void clear();
  // The key events and button presses seen so far (pump to receive them).
  bool sawKey(DWORD vk, bool up) const;
  bool sawKeyMarked(DWORD vk) const;
  bool sawButtonDown() const;
  std::size_t keyCount() const;

 private:
  HHOOK keyboard_;
  HHOOK mouse_;
};

// Discards whatever the window's queue holds of `message` (left from an
// earlier step).
void discardMessages(HWND window, UINT message);

}  // namespace tavrix::test
