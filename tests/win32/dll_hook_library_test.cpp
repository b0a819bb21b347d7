#include "store/win32/dll_hook_library.h"

#include <gtest/gtest.h>

#include "base/private_messages.h"
#include "store/shared_macro_table.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

using wintest::BringToFront;
using wintest::PlainWindow;
using wintest::WaitForMessage;

TEST(DllHookLibrary, LoadsTheLibraryBesideTheProgram) {
  DllHookLibrary library;
  EXPECT_TRUE(library.loaded());
  EXPECT_EQ(library.problem(), "");
}

TEST(DllHookLibrary, AMissingLibraryIsReportedAndEveryCallIsHarmless) {
  DllHookLibrary library(L"NO_SUCH_TVXHOOK.DLL");
  EXPECT_FALSE(library.loaded());
  EXPECT_EQ(library.problem(), "TVXHOOK.DLL could not be loaded.");
  SharedMacroTable table;
  EXPECT_EQ(library.TvxHookKeyboard(), 0u);
  EXPECT_EQ(library.TvxHookCBT(), 0u);
  library.TvxUpInit(table.bytes());
  library.TvxUpItem(table.bytes(), 1);
  library.TvxUnHook(1234);
}

TEST(DllHookLibrary, ALibraryWithoutTheExportsIsRefused) {
  DllHookLibrary library(L"KERNEL32.DLL");
  EXPECT_FALSE(library.loaded());
  EXPECT_EQ(library.problem(), "TVXHOOK.DLL has no function TvxHookKeyboard.");
  EXPECT_EQ(library.TvxHookMouse(), 0u);
}

TEST(DllHookLibrary, InstallsAndRemovesEveryHook) {
  DllHookLibrary library;
  ASSERT_TRUE(library.loaded());
  const HookHandle keyboard = library.TvxHookKeyboard();
  const HookHandle mouse = library.TvxHookMouse();
  const HookHandle swap = library.TvxHookSwap();
  const HookHandle watcher = library.TvxHookCBT();
  EXPECT_NE(keyboard, 0u);
  EXPECT_NE(mouse, 0u);
  EXPECT_NE(swap, 0u);
  EXPECT_NE(watcher, 0u);
  for (HookHandle hook : {keyboard, mouse, swap, watcher}) library.TvxUnHook(hook);
  // All gone: the same handles are unknown to the library now.
  const auto unHook = reinterpret_cast<TvxUnHookFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("TVXHOOK.DLL"), "TvxUnHook")));
  ASSERT_NE(unHook, nullptr);
  EXPECT_FALSE(unHook(reinterpret_cast<HHOOK>(static_cast<UINT_PTR>(keyboard))));
}

// The start-up order of the program: watcher installed, then the table with
// the main window published. Foreground reports reach that window.
TEST(DllHookLibrary, PublishedMainWindowReceivesForegroundReports) {
  DllHookLibrary library;
  ASSERT_TRUE(library.loaded());
  PlainWindow mainWindow("main", false);
  PlainWindow other("other");
  const HookHandle watcher = library.TvxHookCBT();
  ASSERT_NE(watcher, 0u);

  SharedMacroTable table;
  table.SetMainWindow(static_cast<WindowId>(reinterpret_cast<UINT_PTR>(mainWindow.handle())));
  library.TvxUpInit(table.bytes());
  library.TvxUpWindow(table.bytes());
  ASSERT_TRUE(BringToFront(other.handle()));
  MSG message;
  EXPECT_TRUE(WaitForMessage(mainWindow.handle(), kMsgForegroundChanged, message, 3000,
                             [&](const MSG& m) {
                               return reinterpret_cast<HWND>(m.wParam) == other.handle();
                             }));
  library.TvxUnHook(watcher);
  table.SetMainWindow(0);
  library.TvxUpWindow(table.bytes());
}

}  // namespace
}  // namespace tavrix
