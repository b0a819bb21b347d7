// HookLibrary over the real TVXHOOK.DLL, loaded at run time so that a
// missing or wrong library is reported instead of stopping the program
// before it starts.
#pragma once

#include <string>

#include <windows.h>

#include "hook/win32/tvxhook.h"
#include "store/hook_library.h"

namespace tavrix {

class DllHookLibrary : public HookLibrary {
 public:
  // Loads the library from `path` ("TVXHOOK.DLL": the program's own folder
  // first) and binds all 18 exports.
  explicit DllHookLibrary(const std::wstring& path = L"TVXHOOK.DLL");
  ~DllHookLibrary() override;
  DllHookLibrary(const DllHookLibrary&) = delete;
  DllHookLibrary& operator=(const DllHookLibrary&) = delete;

  // True when the library loaded and has every export. Otherwise every call
  // does nothing and the hook calls return 0.
  bool loaded() const { return ready_; }
  // What went wrong, for the program's message: empty when loaded.
  const std::string& problem() const { return problem_; }

  HookHandle TvxHookKeyboard() override;
  HookHandle TvxHookMouse() override;
  HookHandle TvxHookCBT() override;
  HookHandle TvxHookSwap() override;
  void TvxUnHook(HookHandle hook) override;

  void TvxUpInit(TableBytes table) override;
  void TvxUpItem(TableBytes table, std::uint16_t n) override;
  void TvxUpNumKeys(TableBytes table) override;
  void TvxUpKeys(TableBytes table) override;
  void TvxUpCapture(TableBytes table) override;
  void TvxUpCaptureOn(TableBytes table) override;
  void TvxUpInUse(TableBytes table) override;
  void TvxUpWindow(TableBytes table) override;
  void TvxUpWindow2(TableBytes table) override;
  void TvxUpProg(TableBytes table) override;
  void TvxUpProgs(TableBytes table) override;
  void TvxUpKeyHook(TableBytes table) override;
  void TvxUpMouseHook(TableBytes table) override;
  void TvxUpSwapKeys(SwapTableBytes tables) override;

 private:
  template <typename Fn>
  void bind(Fn& fn, const char* name);
  HookHandle callHook(TvxHookFn fn);
  void callPublish(TvxPublishFn fn, TableBytes table);

  HMODULE module_ = nullptr;
  bool ready_ = false;
  std::string problem_;

  TvxHookFn hookKeyboard_ = nullptr;
  TvxHookFn hookMouse_ = nullptr;
  TvxHookFn hookCBT_ = nullptr;
  TvxHookFn hookSwap_ = nullptr;
  TvxUnHookFn unHook_ = nullptr;
  TvxPublishFn upInit_ = nullptr;
  TvxPublishItemFn upItem_ = nullptr;
  TvxPublishFn upNumKeys_ = nullptr;
  TvxPublishFn upKeys_ = nullptr;
  TvxPublishFn upCapture_ = nullptr;
  TvxPublishFn upCaptureOn_ = nullptr;
  TvxPublishFn upInUse_ = nullptr;
  TvxPublishFn upWindow_ = nullptr;
  TvxPublishFn upWindow2_ = nullptr;
  TvxPublishFn upProg_ = nullptr;
  TvxPublishFn upProgs_ = nullptr;
  TvxPublishFn upKeyHook_ = nullptr;
  TvxPublishFn upMouseHook_ = nullptr;
  TvxPublishFn upSwapKeys_ = nullptr;
};

}  // namespace tavrix
