// The hook library TVXHOOK.DLL as the program calls it: four hook installers,
// the remover, and the publishing calls that hand the library the changed
// part of the shared macro table. The Windows binding (store/win32) calls
// the real exports; tests and the tavrix tool use RecordingHookLibrary.
#pragma once

#include <cstdint>
#include <span>

#include "store/shared_macro_table.h"

namespace tavrix {

// The program's master copy of the table, as the publishing calls receive it.
using TableBytes = std::span<const std::uint8_t, kSharedMacroTableSize>;
// The 93 bytes of the key-swap tables.
using SwapTableBytes = std::span<const std::uint8_t, KeySwapControlBlock::kSwapTablesSize>;

class HookLibrary {
 public:
  virtual ~HookLibrary() = default;

  // Install a hook; the result is its handle (0 when it failed).
  virtual HookHandle TvxHookKeyboard() = 0;
  virtual HookHandle TvxHookMouse() = 0;
  virtual HookHandle TvxHookCBT() = 0;
  virtual HookHandle TvxHookSwap() = 0;
  virtual void TvxUnHook(HookHandle hook) = 0;

  // Publishing: after each call the library uses the fields named.
  virtual void TvxUpInit(TableBytes table) = 0;                 // whole table
  virtual void TvxUpItem(TableBytes table, std::uint16_t n) = 0;  // macro n's five fields
  virtual void TvxUpNumKeys(TableBytes table) = 0;              // MacroCount
  virtual void TvxUpKeys(TableBytes table) = 0;                 // HotKeyUsed, HasWordlets
  virtual void TvxUpCapture(TableBytes table) = 0;              // capture fields 738..791
  virtual void TvxUpCaptureOn(TableBytes table) = 0;            // CaptureOn
  virtual void TvxUpInUse(TableBytes table) = 0;                // InUse
  virtual void TvxUpWindow(TableBytes table) = 0;               // MainWindow
  virtual void TvxUpWindow2(TableBytes table) = 0;              // EntryWindow, EntryActive
  virtual void TvxUpProg(TableBytes table) = 0;                 // FrontProgram
  virtual void TvxUpProgs(TableBytes table) = 0;                // ProgramCount, Programs
  virtual void TvxUpKeyHook(TableBytes table) = 0;              // KeyboardHook
  virtual void TvxUpMouseHook(TableBytes table) = 0;            // MouseHook
  // The key-swap tables, into the library's own copy (the swap hook never
  // reads the named block, which other programs may write).
  virtual void TvxUpSwapKeys(SwapTableBytes tables) = 0;
};

}  // namespace tavrix
