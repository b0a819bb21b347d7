#include "store/recording_hook_library.h"

#include <algorithm>

namespace tavrix {

HookHandle RecordingHookLibrary::Install(const char* name) {
  const HookHandle handle = ++nextHandle_;
  installed_.insert(handle);
  Record(name, handle);
  return handle;
}

void RecordingHookLibrary::Record(const char* name, std::uint32_t argument) { calls_.push_back({name, argument}); }

void RecordingHookLibrary::Take(TableBytes table, hook::PublishCall call, std::uint16_t macro) {
  for (const hook::ByteRange& range : hook::fieldsTakenBy(call, macro)) {
    std::copy_n(table.begin() + range.offset, range.size, copy_.bytes().begin() + range.offset);
  }
  state_.publish(call, table.data(), macro);
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

// Each call takes over exactly the bytes the real library takes.
void RecordingHookLibrary::TvxUpItem(TableBytes table, std::uint16_t n) {
  Record("TvxUpItem", n);
  Take(table, hook::PublishCall::Item, n);
}

void RecordingHookLibrary::TvxUpInit(TableBytes table) {
  Record("TvxUpInit");
  Take(table, hook::PublishCall::Init);
}

void RecordingHookLibrary::TvxUpNumKeys(TableBytes table) {
  Record("TvxUpNumKeys");
  Take(table, hook::PublishCall::NumKeys);
}

void RecordingHookLibrary::TvxUpKeys(TableBytes table) {
  Record("TvxUpKeys");
  Take(table, hook::PublishCall::Keys);
}

void RecordingHookLibrary::TvxUpCapture(TableBytes table) {
  Record("TvxUpCapture");
  Take(table, hook::PublishCall::Capture);
}

void RecordingHookLibrary::TvxUpCaptureOn(TableBytes table) {
  Record("TvxUpCaptureOn");
  Take(table, hook::PublishCall::CaptureOn);
}

void RecordingHookLibrary::TvxUpInUse(TableBytes table) {
  Record("TvxUpInUse");
  Take(table, hook::PublishCall::InUse);
}

void RecordingHookLibrary::TvxUpWindow(TableBytes table) {
  Record("TvxUpWindow");
  Take(table, hook::PublishCall::Window);
}

void RecordingHookLibrary::TvxUpWindow2(TableBytes table) {
  Record("TvxUpWindow2");
  Take(table, hook::PublishCall::Window2);
}

void RecordingHookLibrary::TvxUpProg(TableBytes table) {
  Record("TvxUpProg");
  Take(table, hook::PublishCall::Prog);
}

void RecordingHookLibrary::TvxUpProgs(TableBytes table) {
  Record("TvxUpProgs");
  Take(table, hook::PublishCall::Progs);
}

void RecordingHookLibrary::TvxUpKeyHook(TableBytes table) {
  Record("TvxUpKeyHook");
  Take(table, hook::PublishCall::KeyHook);
}

void RecordingHookLibrary::TvxUpMouseHook(TableBytes table) {
  Record("TvxUpMouseHook");
  Take(table, hook::PublishCall::MouseHook);
}

void RecordingHookLibrary::TvxUpSwapKeys(SwapTableBytes tables) {
  Record("TvxUpSwapKeys");
  state_.publishSwapTables(tables.data());
}

}  // namespace tavrix
