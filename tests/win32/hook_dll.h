// TVXHOOK.DLL loaded by name and its 18 exports bound by GetProcAddress, as
// a program that has no import library for it would.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "hook/win32/tvxhook.h"

namespace tavrix::test {

// The export names, in the order of the library's interface.
const std::vector<std::string>& hookExportNames();

class HookDll {
 public:
  HookDll();
  ~HookDll();
  HookDll(const HookDll&) = delete;
  HookDll& operator=(const HookDll&) = delete;

  bool loaded() const { return module_ != nullptr; }
  FARPROC find(const std::string& name) const;

  TvxHookFn hookKeyboard = nullptr;
  TvxHookFn hookMouse = nullptr;
  TvxHookFn hookCBT = nullptr;
  TvxHookFn hookSwap = nullptr;
  TvxUnHookFn unHook = nullptr;
  TvxPublishFn upInit = nullptr;
  TvxPublishItemFn upItem = nullptr;
  TvxPublishFn upNumKeys = nullptr;
  TvxPublishFn upKeys = nullptr;
  TvxPublishFn upCapture = nullptr;
  TvxPublishFn upCaptureOn = nullptr;
  TvxPublishFn upInUse = nullptr;
  TvxPublishFn upWindow = nullptr;
  TvxPublishFn upWindow2 = nullptr;
  TvxPublishFn upProg = nullptr;
  TvxPublishFn upProgs = nullptr;
  TvxPublishFn upKeyHook = nullptr;
  TvxPublishFn upMouseHook = nullptr;

 private:
  HMODULE module_ = nullptr;
};

}  // namespace tavrix::test
