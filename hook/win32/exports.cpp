// The exports. Hook calls go to the hook thread; publishing calls copy
// their fields into the library's table copy.
#include "hook/win32/tvxhook.h"

#include "hook/win32/hook_thread.h"
#include "hook/win32/library.h"

namespace {

using tavrix::hook::HookKind;
using tavrix::hook::HookThread;
using tavrix::hook::libraryState;
using tavrix::hook::PublishCall;

HHOOK install(HookKind kind) {
  return reinterpret_cast<HHOOK>(HookThread::instance().install(kind));
}

void publish(PublishCall call, const BYTE* table, WORD macro = 0) {
  libraryState().publish(call, table, macro);
}

}  // namespace

extern "C" {

HHOOK __stdcall TvxHookKeyboard() { return install(HookKind::Keyboard); }
HHOOK __stdcall TvxHookMouse() { return install(HookKind::Mouse); }
HHOOK __stdcall TvxHookCBT() { return install(HookKind::Foreground); }
HHOOK __stdcall TvxHookSwap() { return install(HookKind::Swap); }

BOOL __stdcall TvxUnHook(HHOOK hook) {
  return HookThread::instance().remove(reinterpret_cast<std::uintptr_t>(hook)) ? TRUE : FALSE;
}

void __stdcall TvxUpInit(const BYTE* table) { publish(PublishCall::Init, table); }
void __stdcall TvxUpItem(const BYTE* table, WORD macro) {
  publish(PublishCall::Item, table, macro);
}
void __stdcall TvxUpNumKeys(const BYTE* table) { publish(PublishCall::NumKeys, table); }
void __stdcall TvxUpKeys(const BYTE* table) { publish(PublishCall::Keys, table); }
void __stdcall TvxUpCapture(const BYTE* table) { publish(PublishCall::Capture, table); }
void __stdcall TvxUpCaptureOn(const BYTE* table) { publish(PublishCall::CaptureOn, table); }
void __stdcall TvxUpInUse(const BYTE* table) { publish(PublishCall::InUse, table); }
void __stdcall TvxUpWindow(const BYTE* table) { publish(PublishCall::Window, table); }
void __stdcall TvxUpWindow2(const BYTE* table) { publish(PublishCall::Window2, table); }
void __stdcall TvxUpProg(const BYTE* table) { publish(PublishCall::Prog, table); }
void __stdcall TvxUpProgs(const BYTE* table) { publish(PublishCall::Progs, table); }
void __stdcall TvxUpKeyHook(const BYTE* table) { publish(PublishCall::KeyHook, table); }
void __stdcall TvxUpMouseHook(const BYTE* table) { publish(PublishCall::MouseHook, table); }
void __stdcall TvxUpSwapKeys(const BYTE* tables) { libraryState().publishSwapTables(tables); }

}  // extern "C"
