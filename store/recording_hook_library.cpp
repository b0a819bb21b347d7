#include "store/recording_hook_library.h"

#include <algorithm>

#include "store/macro_record.h"

namespace tavrix {

HookHandle RecordingHookLibrary::Install(const char* name) {
  const HookHandle handle = ++nextHandle_;
  installed_.insert(handle);
  Record(name, handle);
  return handle;
}

void RecordingHookLibrary::Record(const char* name, std::uint32_t argument) { calls_.push_back({name, argument}); }

void RecordingHookLibrary::Take(TableBytes table, std::size_t offset, std::size_t size) {
  std::copy_n(table.begin() + offset, size, copy_.bytes().begin() + offset);
}

std::size_t RecordingHookLibrary::CountOf(const std::string& name) const {
  return static_cast<std::size_t>(std::count_if(calls_.begin(), calls_.end(), [&](const Call& c) { return c.name == name; }));
}

HookHandle RecordingHookLibrary::TvxHookKeyboard() { return Install("TvxHookKeyboard"); }
HookHandle RecordingHookLibrary::TvxHookMouse() { return Install("TvxHookMouse"); }
HookHandle RecordingHookLibrary::TvxHookCBT() { return Install("TvxHookCBT"); }
HookHandle RecordingHookLibrary::TvxHookSwap() { return Install("TvxHookSwap"); }

void RecordingHookLibrary::TvxUnHook(HookHandle hook) {
  installed_.erase(hook);
  Record("TvxUnHook", hook);
}

void RecordingHookLibrary::TvxUpInit(TableBytes table) {
  Record("TvxUpInit");
  Take(table, 0, kSharedMacroTableSize);
}

void RecordingHookLibrary::TvxUpItem(TableBytes table, std::uint16_t n) {
  Record("TvxUpItem", n);
  if (n < 1 || n > kMaxMacros) return;  // the library ignores numbers it has no entry for
  Take(table, 790 + 2u * n, 2);
  Take(table, 1771 + 21u * n, 21);
  Take(table, 12291u + n, 1);
  Take(table, 12790 + 2u * n, 2);
  Take(table, 13791u + n, 1);
}

void RecordingHookLibrary::TvxUpNumKeys(TableBytes table) {
  Record("TvxUpNumKeys");
  Take(table, 14292, 4);
}

void RecordingHookLibrary::TvxUpKeys(TableBytes table) {
  Record("TvxUpKeys");
  Take(table, 17, kHotKeyCount);
  Take(table, 14298, 1);
}

void RecordingHookLibrary::TvxUpCapture(TableBytes table) {
  Record("TvxUpCapture");
  // The capture fields of 738..791, without the hook handles, the entry
  // window (744..756) and InUse (777), which have publishing calls of their
  // own, as the real library does.
  Take(table, 738, 6);
  Take(table, 757, 20);
  Take(table, 778, 14);
}

void RecordingHookLibrary::TvxUpCaptureOn(TableBytes table) {
  Record("TvxUpCaptureOn");
  Take(table, 737, 1);
}

void RecordingHookLibrary::TvxUpInUse(TableBytes table) {
  Record("TvxUpInUse");
  Take(table, 777, 1);
}

void RecordingHookLibrary::TvxUpWindow(TableBytes table) {
  Record("TvxUpWindow");
  Take(table, 0, 4);
}

void RecordingHookLibrary::TvxUpWindow2(TableBytes table) {
  Record("TvxUpWindow2");
  Take(table, 752, 5);
}

void RecordingHookLibrary::TvxUpProg(TableBytes table) {
  Record("TvxUpProg");
  Take(table, 14299, 251);
}

void RecordingHookLibrary::TvxUpProgs(TableBytes table) {
  Record("TvxUpProgs");
  Take(table, 14550, 4);
  Take(table, 14529 + 26, 26 * kMaxPrograms);
}

void RecordingHookLibrary::TvxUpKeyHook(TableBytes table) {
  Record("TvxUpKeyHook");
  Take(table, 748, 4);
}

void RecordingHookLibrary::TvxUpMouseHook(TableBytes table) {
  Record("TvxUpMouseHook");
  Take(table, 744, 4);
}

}  // namespace tavrix
