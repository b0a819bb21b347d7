#include "tests/win32/hook_dll.h"

namespace tavrix::test {

const std::vector<std::string>& hookExportNames() {
  static const std::vector<std::string> names = {
      "TvxHookKeyboard", "TvxHookMouse",   "TvxHookCBT",     "TvxHookSwap",  "TvxUnHook",
      "TvxUpInit",       "TvxUpItem",      "TvxUpNumKeys",   "TvxUpKeys",    "TvxUpCapture",
      "TvxUpCaptureOn",  "TvxUpInUse",     "TvxUpWindow",    "TvxUpWindow2", "TvxUpProg",
      "TvxUpProgs",      "TvxUpKeyHook",   "TvxUpMouseHook", "TvxUpSwapKeys"};
  return names;
}

namespace {
template <typename Fn>
void bind(const HookDll& dll, Fn& fn, const char* name) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(dll.find(name)));
}
}  // namespace

HookDll::HookDll() : module_(LoadLibraryA("TVXHOOK.DLL")) {
  bind(*this, hookKeyboard, "TvxHookKeyboard");
  bind(*this, hookMouse, "TvxHookMouse");
  bind(*this, hookCBT, "TvxHookCBT");
  bind(*this, hookSwap, "TvxHookSwap");
  bind(*this, unHook, "TvxUnHook");
  bind(*this, upInit, "TvxUpInit");
  bind(*this, upItem, "TvxUpItem");
  bind(*this, upNumKeys, "TvxUpNumKeys");
  bind(*this, upKeys, "TvxUpKeys");
  bind(*this, upCapture, "TvxUpCapture");
  bind(*this, upCaptureOn, "TvxUpCaptureOn");
  bind(*this, upInUse, "TvxUpInUse");
  bind(*this, upWindow, "TvxUpWindow");
  bind(*this, upWindow2, "TvxUpWindow2");
  bind(*this, upProg, "TvxUpProg");
  bind(*this, upProgs, "TvxUpProgs");
  bind(*this, upKeyHook, "TvxUpKeyHook");
  bind(*this, upMouseHook, "TvxUpMouseHook");
}

HookDll::~HookDll() {
  if (module_ != nullptr) FreeLibrary(module_);
}

FARPROC HookDll::find(const std::string& name) const {
  return module_ != nullptr ? GetProcAddress(module_, name.c_str()) : nullptr;
}

}  // namespace tavrix::test
