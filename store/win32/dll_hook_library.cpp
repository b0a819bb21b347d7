#include "store/win32/dll_hook_library.h"

namespace tavrix {

DllHookLibrary::DllHookLibrary(const std::wstring& path)
    : module_(LoadLibraryW(path.c_str())) {
  if (module_ == nullptr) {
    problem_ = "TVXHOOK.DLL could not be loaded.";
    return;
  }
  ready_ = true;
  bind(hookKeyboard_, "TvxHookKeyboard");
  bind(hookMouse_, "TvxHookMouse");
  bind(hookCBT_, "TvxHookCBT");
  bind(hookSwap_, "TvxHookSwap");
  bind(unHook_, "TvxUnHook");
  bind(upInit_, "TvxUpInit");
  bind(upItem_, "TvxUpItem");
  bind(upNumKeys_, "TvxUpNumKeys");
  bind(upKeys_, "TvxUpKeys");
  bind(upCapture_, "TvxUpCapture");
  bind(upCaptureOn_, "TvxUpCaptureOn");
  bind(upInUse_, "TvxUpInUse");
  bind(upWindow_, "TvxUpWindow");
  bind(upWindow2_, "TvxUpWindow2");
  bind(upProg_, "TvxUpProg");
  bind(upProgs_, "TvxUpProgs");
  bind(upKeyHook_, "TvxUpKeyHook");
  bind(upMouseHook_, "TvxUpMouseHook");
  bind(upSwapKeys_, "TvxUpSwapKeys");
}

DllHookLibrary::~DllHookLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

template <typename Fn>
void DllHookLibrary::bind(Fn& fn, const char* name) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  if (fn == nullptr && ready_) {
    ready_ = false;
    problem_ = std::string("TVXHOOK.DLL has no function ") + name + ".";
  }
}

HookHandle DllHookLibrary::callHook(TvxHookFn fn) {
  if (!ready_) return 0;
  return static_cast<HookHandle>(reinterpret_cast<UINT_PTR>(fn()));
}

void DllHookLibrary::callPublish(TvxPublishFn fn, TableBytes table) {
  if (ready_) fn(table.data());
}

HookHandle DllHookLibrary::TvxHookKeyboard() { return callHook(hookKeyboard_); }
HookHandle DllHookLibrary::TvxHookMouse() { return callHook(hookMouse_); }
HookHandle DllHookLibrary::TvxHookCBT() { return callHook(hookCBT_); }
HookHandle DllHookLibrary::TvxHookSwap() { return callHook(hookSwap_); }

void DllHookLibrary::TvxUnHook(HookHandle hook) {
  if (ready_) unHook_(reinterpret_cast<HHOOK>(static_cast<UINT_PTR>(hook)));
}

void DllHookLibrary::TvxUpInit(TableBytes table) { callPublish(upInit_, table); }
void DllHookLibrary::TvxUpItem(TableBytes table, std::uint16_t n) {
  if (ready_) upItem_(table.data(), n);
}
void DllHookLibrary::TvxUpNumKeys(TableBytes table) { callPublish(upNumKeys_, table); }
void DllHookLibrary::TvxUpKeys(TableBytes table) { callPublish(upKeys_, table); }
void DllHookLibrary::TvxUpCapture(TableBytes table) { callPublish(upCapture_, table); }
void DllHookLibrary::TvxUpCaptureOn(TableBytes table) { callPublish(upCaptureOn_, table); }
void DllHookLibrary::TvxUpInUse(TableBytes table) { callPublish(upInUse_, table); }
void DllHookLibrary::TvxUpWindow(TableBytes table) { callPublish(upWindow_, table); }
void DllHookLibrary::TvxUpWindow2(TableBytes table) { callPublish(upWindow2_, table); }
void DllHookLibrary::TvxUpProg(TableBytes table) { callPublish(upProg_, table); }
void DllHookLibrary::TvxUpProgs(TableBytes table) { callPublish(upProgs_, table); }
void DllHookLibrary::TvxUpKeyHook(TableBytes table) { callPublish(upKeyHook_, table); }
void DllHookLibrary::TvxUpMouseHook(TableBytes table) { callPublish(upMouseHook_, table); }
void DllHookLibrary::TvxUpSwapKeys(SwapTableBytes tables) {
  if (ready_) upSwapKeys_(tables.data());
}

}  // namespace tavrix
