#include "store/shared_macro_table.h"

#include <algorithm>
#include <stdexcept>

#include "base/byte_fields.h"
#include "base/shared_table_layout.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

using namespace layout;

std::size_t Element(std::size_t base, std::size_t size, int n) {
  if (n < 1 || n > kMaxMacros) throw std::out_of_range("macro number must be 1..500");
  return base + size * static_cast<std::size_t>(n);
}

std::size_t HotKeyOffset(int code) {
  if (code < 0 || code >= kHotKeyCount) throw std::out_of_range("hot key code must be 0..719");
  return kHotKeyUsed + static_cast<std::size_t>(code);
}

std::size_t ProgramOffset(int k) {
  if (k < 1 || k > kMaxPrograms) throw std::out_of_range("program entry must be 1..200");
  return kProgramsBase + 26 * static_cast<std::size_t>(k);
}

}  // namespace

WindowId SharedMacroTable::MainWindow() const { return bytes::ReadU32(bytes_, kMainWindow); }
void SharedMacroTable::SetMainWindow(WindowId window) { bytes::WriteU32(bytes_, kMainWindow, window); }
std::uint8_t SharedMacroTable::Reserved4() const { return bytes_[kReserved4]; }
void SharedMacroTable::SetReserved4(std::uint8_t value) { bytes_[kReserved4] = value; }

std::uint8_t SharedMacroTable::HotKeyUsed(int code) const { return bytes_[HotKeyOffset(code)]; }
void SharedMacroTable::SetHotKeyUsed(int code, std::uint8_t used) { bytes_[HotKeyOffset(code)] = used; }
void SharedMacroTable::ClearHotKeyUsed() { std::fill_n(bytes_.begin() + kHotKeyUsed, kHotKeyCount, std::uint8_t{0}); }

std::uint8_t SharedMacroTable::CaptureOn() const { return bytes_[kCaptureOn]; }
void SharedMacroTable::SetCaptureOn(std::uint8_t on) { bytes_[kCaptureOn] = on; }
std::uint16_t SharedMacroTable::CaptureMacro() const { return bytes::ReadU16(bytes_, kCaptureMacro); }
void SharedMacroTable::SetCaptureMacro(std::uint16_t n) { bytes::WriteU16(bytes_, kCaptureMacro, n); }
std::uint8_t SharedMacroTable::CaptureState740() const { return bytes_[kCaptureState740]; }
void SharedMacroTable::SetCaptureState740(std::uint8_t value) { bytes_[kCaptureState740] = value; }
std::uint8_t SharedMacroTable::CaptureDoubleAlt() const { return bytes_[kCaptureDoubleAlt]; }
void SharedMacroTable::SetCaptureDoubleAlt(std::uint8_t value) { bytes_[kCaptureDoubleAlt] = value; }
HookHandle SharedMacroTable::MouseHook() const { return bytes::ReadU32(bytes_, kMouseHook); }
void SharedMacroTable::SetMouseHook(HookHandle hook) { bytes::WriteU32(bytes_, kMouseHook, hook); }
HookHandle SharedMacroTable::KeyboardHook() const { return bytes::ReadU32(bytes_, kKeyboardHook); }
void SharedMacroTable::SetKeyboardHook(HookHandle hook) { bytes::WriteU32(bytes_, kKeyboardHook, hook); }
WindowId SharedMacroTable::EntryWindow() const { return bytes::ReadU32(bytes_, kEntryWindow); }
void SharedMacroTable::SetEntryWindow(WindowId window) { bytes::WriteU32(bytes_, kEntryWindow, window); }
std::uint8_t SharedMacroTable::EntryActive() const { return bytes_[kEntryActive]; }
void SharedMacroTable::SetEntryActive(std::uint8_t active) { bytes_[kEntryActive] = active; }

std::uint16_t SharedMacroTable::StopMouse() const { return bytes::ReadU16(bytes_, kStopMouse); }
void SharedMacroTable::SetStopMouse(std::uint16_t button) { bytes::WriteU16(bytes_, kStopMouse, button); }
std::uint16_t SharedMacroTable::StopKey() const { return bytes::ReadU16(bytes_, kStopKey); }
void SharedMacroTable::SetStopKey(std::uint16_t vk) { bytes::WriteU16(bytes_, kStopKey, vk); }
std::uint8_t SharedMacroTable::StopCtrl() const { return bytes_[kStopCtrl]; }
void SharedMacroTable::SetStopCtrl(std::uint8_t flag) { bytes_[kStopCtrl] = flag; }
std::uint8_t SharedMacroTable::StopAlt() const { return bytes_[kStopAlt]; }
void SharedMacroTable::SetStopAlt(std::uint8_t flag) { bytes_[kStopAlt] = flag; }
std::uint8_t SharedMacroTable::StopShift() const { return bytes_[kStopShift]; }
void SharedMacroTable::SetStopShift(std::uint8_t flag) { bytes_[kStopShift] = flag; }
std::uint8_t SharedMacroTable::StopWin() const { return bytes_[kStopWin]; }
void SharedMacroTable::SetStopWin(std::uint8_t flag) { bytes_[kStopWin] = flag; }
std::uint8_t SharedMacroTable::CaptureState765() const { return bytes_[kCaptureState765]; }
void SharedMacroTable::SetCaptureState765(std::uint8_t value) { bytes_[kCaptureState765] = value; }
std::uint8_t SharedMacroTable::Stop2On() const { return bytes_[kStop2On]; }
void SharedMacroTable::SetStop2On(std::uint8_t on) { bytes_[kStop2On] = on; }
std::uint16_t SharedMacroTable::Stop2Mouse() const { return bytes::ReadU16(bytes_, kStop2Mouse); }
void SharedMacroTable::SetStop2Mouse(std::uint16_t button) { bytes::WriteU16(bytes_, kStop2Mouse, button); }
std::uint16_t SharedMacroTable::Stop2Key() const { return bytes::ReadU16(bytes_, kStop2Key); }
void SharedMacroTable::SetStop2Key(std::uint16_t vk) { bytes::WriteU16(bytes_, kStop2Key, vk); }
std::uint8_t SharedMacroTable::Stop2Ctrl() const { return bytes_[kStop2Ctrl]; }
void SharedMacroTable::SetStop2Ctrl(std::uint8_t flag) { bytes_[kStop2Ctrl] = flag; }
std::uint8_t SharedMacroTable::Stop2Alt() const { return bytes_[kStop2Alt]; }
void SharedMacroTable::SetStop2Alt(std::uint8_t flag) { bytes_[kStop2Alt] = flag; }
std::uint8_t SharedMacroTable::Stop2Shift() const { return bytes_[kStop2Shift]; }
void SharedMacroTable::SetStop2Shift(std::uint8_t flag) { bytes_[kStop2Shift] = flag; }
std::uint8_t SharedMacroTable::Stop2Win() const { return bytes_[kStop2Win]; }
void SharedMacroTable::SetStop2Win(std::uint8_t flag) { bytes_[kStop2Win] = flag; }
std::uint8_t SharedMacroTable::CaptureState775() const { return bytes_[kCaptureState775]; }
void SharedMacroTable::SetCaptureState775(std::uint8_t value) { bytes_[kCaptureState775] = value; }
std::uint8_t SharedMacroTable::CaptureWindowPos() const { return bytes_[kCaptureWindowPos]; }
void SharedMacroTable::SetCaptureWindowPos(std::uint8_t flag) { bytes_[kCaptureWindowPos] = flag; }
std::uint8_t SharedMacroTable::InUse() const { return bytes_[kInUse]; }
void SharedMacroTable::SetInUse(std::uint8_t inUse) { bytes_[kInUse] = inUse; }
std::uint8_t SharedMacroTable::CaptureKeys() const { return bytes_[kCaptureKeys]; }
void SharedMacroTable::SetCaptureKeys(std::uint8_t flag) { bytes_[kCaptureKeys] = flag; }
std::uint8_t SharedMacroTable::CaptureMouse() const { return bytes_[kCaptureMouse]; }
void SharedMacroTable::SetCaptureMouse(std::uint8_t flag) { bytes_[kCaptureMouse] = flag; }
std::uint8_t SharedMacroTable::CaptureRelative() const { return bytes_[kCaptureRelative]; }
void SharedMacroTable::SetCaptureRelative(std::uint8_t flag) { bytes_[kCaptureRelative] = flag; }
std::uint8_t SharedMacroTable::CaptureTime() const { return bytes_[kCaptureTime]; }
void SharedMacroTable::SetCaptureTime(std::uint8_t flag) { bytes_[kCaptureTime] = flag; }
std::uint8_t SharedMacroTable::CaptureState790() const { return bytes_[kCaptureState790]; }
void SharedMacroTable::SetCaptureState790(std::uint8_t value) { bytes_[kCaptureState790] = value; }
std::uint8_t SharedMacroTable::CaptureWindowPosCopy() const { return bytes_[kCaptureWindowPosCopy]; }
void SharedMacroTable::SetCaptureWindowPosCopy(std::uint8_t flag) { bytes_[kCaptureWindowPosCopy] = flag; }

std::int16_t SharedMacroTable::Scope(int n) const { return bytes::ReadI16(bytes_, Element(kScopeBase, 2, n)); }
void SharedMacroTable::SetScope(int n, std::int16_t scope) { bytes::WriteI16(bytes_, Element(kScopeBase, 2, n), scope); }
std::string SharedMacroTable::ScopeName(int n) const {
  return bytes::ReadString(bytes_, Element(kScopeNameBase, 21, n), kTableScopeNameCapacity);
}
void SharedMacroTable::SetScopeName(int n, std::string_view text) {
  bytes::WriteString(bytes_, Element(kScopeNameBase, 21, n), kTableScopeNameCapacity, text);
}
std::uint8_t SharedMacroTable::Active(int n) const { return bytes_[Element(kActiveBase, 1, n)]; }
void SharedMacroTable::SetActive(int n, std::uint8_t active) { bytes_[Element(kActiveBase, 1, n)] = active; }
std::uint16_t SharedMacroTable::Activation(int n) const {
  return bytes::ReadU16(bytes_, Element(kActivationBase, 2, n));
}
void SharedMacroTable::SetActivation(int n, std::uint16_t code) {
  bytes::WriteU16(bytes_, Element(kActivationBase, 2, n), code);
}
std::uint8_t SharedMacroTable::TopMostOnly(int n) const { return bytes_[Element(kTopMostOnlyBase, 1, n)]; }
void SharedMacroTable::SetTopMostOnly(int n, std::uint8_t flag) { bytes_[Element(kTopMostOnlyBase, 1, n)] = flag; }

void SharedMacroTable::ClearEntries() {
  const auto clear = [this](std::size_t base, std::size_t size) {
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(base + size), size * kMaxMacros, std::uint8_t{0});
  };
  clear(kScopeBase, 2);
  clear(kScopeNameBase, 21);
  clear(kActiveBase, 1);
  clear(kActivationBase, 2);
  clear(kTopMostOnlyBase, 1);
}

std::int32_t SharedMacroTable::MacroCount() const { return bytes::ReadI32(bytes_, kMacroCount); }
void SharedMacroTable::SetMacroCount(std::int32_t count) { bytes::WriteI32(bytes_, kMacroCount, count); }
std::uint8_t SharedMacroTable::Reserved14296() const { return bytes_[kReserved14296]; }
void SharedMacroTable::SetReserved14296(std::uint8_t value) { bytes_[kReserved14296] = value; }
std::uint8_t SharedMacroTable::IsNT() const { return bytes_[kIsNT]; }
void SharedMacroTable::SetIsNT(std::uint8_t flag) { bytes_[kIsNT] = flag; }
std::uint8_t SharedMacroTable::HasWordlets() const { return bytes_[kHasWordlets]; }
void SharedMacroTable::SetHasWordlets(std::uint8_t flag) { bytes_[kHasWordlets] = flag; }
std::string SharedMacroTable::FrontProgram() const {
  return bytes::ReadString(bytes_, kFrontProgram, kFrontProgramCapacity);
}
void SharedMacroTable::SetFrontProgram(std::string_view name) {
  bytes::WriteString(bytes_, kFrontProgram, kFrontProgramCapacity, name);
}
std::int32_t SharedMacroTable::ProgramCount() const { return bytes::ReadI32(bytes_, kProgramCount); }
void SharedMacroTable::SetProgramCount(std::int32_t count) { bytes::WriteI32(bytes_, kProgramCount, count); }
std::uint8_t SharedMacroTable::MouseSwapped() const { return bytes_[kMouseSwapped]; }
void SharedMacroTable::SetMouseSwapped(std::uint8_t flag) { bytes_[kMouseSwapped] = flag; }
std::string SharedMacroTable::Programs(int k) const {
  return bytes::ReadString(bytes_, ProgramOffset(k), kProgramNameCapacity);
}
void SharedMacroTable::SetPrograms(int k, std::string_view name) {
  bytes::WriteString(bytes_, ProgramOffset(k), kProgramNameCapacity, name);
}

// --- Key-swap control block ---------------------------------------------------

WindowId KeySwapControlBlock::MainWindow() const { return bytes::ReadU32(bytes_, 0); }
void KeySwapControlBlock::SetMainWindow(WindowId window) { bytes::WriteU32(bytes_, 0, window); }
HookHandle KeySwapControlBlock::SwapHook() const { return bytes::ReadU32(bytes_, 4); }
void KeySwapControlBlock::SetSwapHook(HookHandle hook) { bytes::WriteU32(bytes_, 4, hook); }
std::span<std::uint8_t, KeySwapControlBlock::kSwapTablesSize> KeySwapControlBlock::SwapTables() const {
  return bytes_.subspan<8, kSwapTablesSize>();
}
std::uint8_t KeySwapControlBlock::Reserved103() const { return bytes_[103]; }
void KeySwapControlBlock::SetReserved103(std::uint8_t value) { bytes_[103] = value; }

// --- Window control block -----------------------------------------------------

WindowId WindowControlBlock::MainWindow() const { return bytes::ReadU32(bytes_, 0); }
WindowId WindowControlBlock::MainWindowAt8() const { return bytes::ReadU32(bytes_, 8); }
WindowId WindowControlBlock::MainWindowAt12() const { return bytes::ReadU32(bytes_, 12); }
void WindowControlBlock::SetMainWindow(WindowId window) {
  bytes::WriteU32(bytes_, 0, window);
  bytes::WriteU32(bytes_, 8, window);
  bytes::WriteU32(bytes_, 12, window);
}
HookHandle WindowControlBlock::CbtHook() const { return bytes::ReadU32(bytes_, 4); }
void WindowControlBlock::SetCbtHook(HookHandle hook) { bytes::WriteU32(bytes_, 4, hook); }
std::uint8_t WindowControlBlock::IsNT() const { return bytes_[16]; }
void WindowControlBlock::SetIsNT(std::uint8_t flag) { bytes_[16] = flag; }

}  // namespace tavrix
