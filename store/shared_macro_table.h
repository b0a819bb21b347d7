// The table the program shares with the hook library, byte for byte: the
// program keeps the master copy here and publishes changed parts through the
// library's calls (store/hook_library.h). Per-macro arrays are indexed by
// macro number 1..500; element n of an array of s-byte elements starts at
// base + s * n, so element 0 would overlap the field before and is refused.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/shared_table_layout.h"
#include "platform/desktop.h"

namespace tavrix {

inline constexpr std::size_t kSharedMacroTableSize = layout::kTableSize;
inline constexpr int kMaxPrograms = layout::kTablePrograms;
inline constexpr std::size_t kTableScopeNameCapacity = 20;
inline constexpr std::size_t kFrontProgramCapacity = 250;
inline constexpr std::size_t kProgramNameCapacity = 25;

using HookHandle = std::uint32_t;

class SharedMacroTable {
 public:
  using Bytes = std::array<std::uint8_t, kSharedMacroTableSize>;

  SharedMacroTable() = default;  // all bytes zero
  Bytes& bytes() { return bytes_; }
  const Bytes& bytes() const { return bytes_; }

  WindowId MainWindow() const;
  void SetMainWindow(WindowId window);
  std::uint8_t Reserved4() const;  // byte 4, cleared at start-up
  void SetReserved4(std::uint8_t value);

  // Hot key codes 0..719.
  std::uint8_t HotKeyUsed(int code) const;
  void SetHotKeyUsed(int code, std::uint8_t used);
  void ClearHotKeyUsed();

  std::uint8_t CaptureOn() const;
  void SetCaptureOn(std::uint8_t on);
  std::uint16_t CaptureMacro() const;
  void SetCaptureMacro(std::uint16_t n);
  std::uint8_t CaptureState740() const;
  void SetCaptureState740(std::uint8_t value);
  std::uint8_t CaptureDoubleAlt() const;
  void SetCaptureDoubleAlt(std::uint8_t value);
  HookHandle MouseHook() const;
  void SetMouseHook(HookHandle hook);
  HookHandle KeyboardHook() const;
  void SetKeyboardHook(HookHandle hook);
  WindowId EntryWindow() const;
  void SetEntryWindow(WindowId window);
  std::uint8_t EntryActive() const;
  void SetEntryActive(std::uint8_t active);

  std::uint16_t StopMouse() const;  // 0 none, 1 left, 2 right, 3 middle
  void SetStopMouse(std::uint16_t button);
  std::uint16_t StopKey() const;
  void SetStopKey(std::uint16_t vk);
  std::uint8_t StopCtrl() const;
  void SetStopCtrl(std::uint8_t flag);
  std::uint8_t StopAlt() const;
  void SetStopAlt(std::uint8_t flag);
  std::uint8_t StopShift() const;
  void SetStopShift(std::uint8_t flag);
  std::uint8_t StopWin() const;
  void SetStopWin(std::uint8_t flag);
  std::uint8_t CaptureState765() const;
  void SetCaptureState765(std::uint8_t value);
  std::uint8_t Stop2On() const;
  void SetStop2On(std::uint8_t on);
  std::uint16_t Stop2Mouse() const;
  void SetStop2Mouse(std::uint16_t button);
  std::uint16_t Stop2Key() const;
  void SetStop2Key(std::uint16_t vk);
  std::uint8_t Stop2Ctrl() const;
  void SetStop2Ctrl(std::uint8_t flag);
  std::uint8_t Stop2Alt() const;
  void SetStop2Alt(std::uint8_t flag);
  std::uint8_t Stop2Shift() const;
  void SetStop2Shift(std::uint8_t flag);
  std::uint8_t Stop2Win() const;
  void SetStop2Win(std::uint8_t flag);
  std::uint8_t CaptureState775() const;
  void SetCaptureState775(std::uint8_t value);
  std::uint8_t CaptureWindowPos() const;
  void SetCaptureWindowPos(std::uint8_t flag);
  std::uint8_t InUse() const;
  void SetInUse(std::uint8_t inUse);
  std::uint8_t CaptureKeys() const;
  void SetCaptureKeys(std::uint8_t flag);
  std::uint8_t CaptureMouse() const;
  void SetCaptureMouse(std::uint8_t flag);
  std::uint8_t CaptureRelative() const;
  void SetCaptureRelative(std::uint8_t flag);
  std::uint8_t CaptureTime() const;
  void SetCaptureTime(std::uint8_t flag);
  std::uint8_t CaptureState790() const;
  void SetCaptureState790(std::uint8_t value);
  std::uint8_t CaptureWindowPosCopy() const;  // byte 791
  void SetCaptureWindowPosCopy(std::uint8_t flag);

  // Per-macro fields, macro number n = 1..500 (std::out_of_range otherwise).
  std::int16_t Scope(int n) const;
  void SetScope(int n, std::int16_t scope);
  std::string ScopeName(int n) const;
  void SetScopeName(int n, std::string_view text);  // cut to 20
  std::uint8_t Active(int n) const;
  void SetActive(int n, std::uint8_t active);
  std::uint16_t Activation(int n) const;
  void SetActivation(int n, std::uint16_t code);
  std::uint8_t TopMostOnly(int n) const;
  void SetTopMostOnly(int n, std::uint8_t flag);
  // Entries 1..500 all empty (scope, name, active flag, activation, top-most flag).
  void ClearEntries();

  std::int32_t MacroCount() const;
  void SetMacroCount(std::int32_t count);
  std::uint8_t Reserved14296() const;  // cleared at start-up
  void SetReserved14296(std::uint8_t value);
  std::uint8_t IsNT() const;
  void SetIsNT(std::uint8_t flag);
  std::uint8_t HasWordlets() const;
  void SetHasWordlets(std::uint8_t flag);
  std::string FrontProgram() const;
  void SetFrontProgram(std::string_view name);  // cut to 250
  std::int32_t ProgramCount() const;
  void SetProgramCount(std::int32_t count);
  std::uint8_t MouseSwapped() const;
  void SetMouseSwapped(std::uint8_t flag);
  // Running programs, k = 1..200 (std::out_of_range otherwise).
  std::string Programs(int k) const;
  void SetPrograms(int k, std::string_view name);  // cut to 25

 private:
  Bytes bytes_{};
};

// The key-swap control block "TVTT1KGR" (104 bytes), a view over memory that
// the caller owns (the mapped view on Windows).
class KeySwapControlBlock {
 public:
  static constexpr std::size_t kSize = 104;
  static constexpr std::size_t kSwapTablesSize = 93;
  explicit KeySwapControlBlock(std::span<std::uint8_t, kSize> bytes) : bytes_(bytes) {}

  WindowId MainWindow() const;
  void SetMainWindow(WindowId window);
  HookHandle SwapHook() const;
  void SetSwapHook(HookHandle hook);
  // The four key-swap tables (offsets 8..100).
  std::span<std::uint8_t, kSwapTablesSize> SwapTables() const;
  std::uint8_t Reserved103() const;  // cleared at start-up
  void SetReserved103(std::uint8_t value);

 private:
  std::span<std::uint8_t, kSize> bytes_;
};

// The window control block "TVKR1KGR" (17 bytes), a view over caller memory.
class WindowControlBlock {
 public:
  static constexpr std::size_t kSize = 17;
  explicit WindowControlBlock(std::span<std::uint8_t, kSize> bytes) : bytes_(bytes) {}

  // The library reads the main window at offsets 0, 8 and 12; the setter
  // writes all three.
  WindowId MainWindow() const;  // offset 0
  WindowId MainWindowAt8() const;
  WindowId MainWindowAt12() const;
  void SetMainWindow(WindowId window);
  HookHandle CbtHook() const;
  void SetCbtHook(HookHandle hook);
  std::uint8_t IsNT() const;
  void SetIsNT(std::uint8_t flag);

 private:
  std::span<std::uint8_t, kSize> bytes_;
};

}  // namespace tavrix
