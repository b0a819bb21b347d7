// Windows silently removes a low-level hook whose procedure once answers too
// late. The library must notice that its hooks no longer see input and
// install them again by itself, behind the handles the program holds. Wine
// never removes a hook, so this program runs beside the test build of the
// library, whose one extra entry removes them as Windows would.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

#include "base/hot_key_table.h"
#include "base/private_messages.h"
#include "tests/win32/hook_dll.h"
#include "tests/win32/hook_test_support.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix::test {

using wintest::PlainWindow;
using wintest::PumpUntil;
using wintest::WaitForMessage;
using wintest::BringToFront;
namespace {

// The grace period (2 s) plus a few polls and Wine's own pace.
constexpr DWORD kRepairLimitMs = 8000;

// The test build's entry that drops the system's hooks, by ordinal only.
constexpr WORD kTvxDropHooksOrdinal = 100;
using TvxDropHooksFn = int(__stdcall*)();

TvxDropHooksFn dropHooksOf(const HookDll& dll) {
  const HMODULE module = GetModuleHandleA("TVXHOOK.DLL");
  if (!dll.loaded() || module == nullptr) return nullptr;
  return reinterpret_cast<TvxDropHooksFn>(
      reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(kTvxDropHooksOrdinal))));
}

class HookRepair : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dll.loaded());
    ASSERT_TRUE(downstream.installed());
    dropHooks = dropHooksOf(dll);
    ASSERT_NE(dropHooks, nullptr) << "no diagnostic entry at ordinal " << kTvxDropHooksOrdinal;
    table.publishAll(mainWindow.handle());
    table.setUsed(code, true);
  }

  // Presses the hot key every 250 ms (as a user would keep trying) until the
  // program is told; the time it took, or nothing.
  std::optional<DWORD> pressUntilFired(DWORD limitMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs) {
      sendCombination({VK_CONTROL, VK_SHIFT}, 'H');
      MSG got;
      if (WaitForMessage(mainWindow.handle(), kMsgActivation, got, 250)) return GetTickCount() - start;
    }
    return std::nullopt;
  }

  // Whether the hot key's letter went on to the hooks after the library's
  // without the library reporting it. The library posts its report before it
  // passes a key on, so once the later hook has the key, a report would be
  // in this thread's queue already.
  bool wentByUnreported() {
    bool reported = false;
    const DWORD start = GetTickCount();
    while (!downstream.sawKey('H', false) && GetTickCount() - start < kRepairLimitMs) {
      MSG got;
      while (PeekMessageA(&got, nullptr, 0, 0, PM_REMOVE)) {
        if (got.hwnd == mainWindow.handle() && got.message == kMsgActivation) {
          reported = true;
          continue;
        }
        TranslateMessage(&got);
        DispatchMessageA(&got);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    MSG got;
    while (PeekMessageA(&got, mainWindow.handle(), kMsgActivation, kMsgActivation, PM_REMOVE)) reported = true;
    return downstream.sawKey('H', false) && !reported;
  }

  Downstream downstream;  // before the library's hooks: called after them
  HookDll dll;
  TvxDropHooksFn dropHooks = nullptr;
  ProgramTable table{dll};
  PlainWindow mainWindow{"Tavrix main", false};
  PlainWindow target{"Tavrix repair target"};
  const int code = FindHotKey("Ctrl+Shift+H").value();
};

TEST_F(HookRepair, DroppedHooksAreInstalledAgainAndKeepTheirHandles) {
  const HHOOK keyboard = dll.hookKeyboard();
  const HHOOK mouse = dll.hookMouse();
  ASSERT_TRUE(keyboard != nullptr && mouse != nullptr);
  ASSERT_TRUE(BringToFront(target.handle()));
  ASSERT_TRUE(pressUntilFired(2000).has_value()) << "the hot key did not fire before the drop";

  EXPECT_EQ(dropHooks(), 2);
  // Right after the drop the hooks are deaf: the key goes by unseen.
  downstream.clear();
  sendCombination({VK_CONTROL, VK_SHIFT}, 'H');
  EXPECT_TRUE(wentByUnreported());

  const auto repairedAfter = pressUntilFired(kRepairLimitMs);
  ASSERT_TRUE(repairedAfter.has_value()) << "the hooks were not installed again";
  std::printf("hot key fires again %lu ms after the hooks were dropped\n",
              static_cast<unsigned long>(*repairedAfter));

  // The program's handles still name the hooks.
  EXPECT_TRUE(dll.unHook(keyboard));
  EXPECT_TRUE(dll.unHook(mouse));
  EXPECT_FALSE(dll.unHook(keyboard));
  downstream.clear();
  sendCombination({VK_CONTROL, VK_SHIFT}, 'H');
  EXPECT_TRUE(wentByUnreported());
}

// A quiet desktop is no sign of lost hooks: nothing is reinstalled, and the
// hot key still works at once after a long pause.
TEST_F(HookRepair, IdleHooksStayAsTheyAre) {
  const HHOOK keyboard = dll.hookKeyboard();
  const HHOOK mouse = dll.hookMouse();
  ASSERT_TRUE(keyboard != nullptr && mouse != nullptr);
  ASSERT_TRUE(BringToFront(target.handle()));
  PumpUntil([] { return false; }, 3000);
  const auto firedAfter = pressUntilFired(1000);
  EXPECT_TRUE(firedAfter.has_value());
  EXPECT_TRUE(dll.unHook(keyboard));
  EXPECT_TRUE(dll.unHook(mouse));
}

TEST_F(HookRepair, DropWithoutHooksDropsNothing) { EXPECT_EQ(dropHooks(), 0); }

}  // namespace
}  // namespace tavrix::test
