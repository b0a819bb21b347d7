#include <gtest/gtest.h>

#include <set>

#include "tests/win32/hook_dll.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix::test {

using wintest::PlainWindow;
using wintest::PumpUntil;
using wintest::BringToFront;
using wintest::TextOf;
namespace {

class HookInstall : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dll.loaded()); }
  HookDll dll;
};

TEST_F(HookInstall, EachHookInstallsAndIsRemovedExactlyOnce) {
  for (TvxHookFn hook : {dll.hookKeyboard, dll.hookMouse, dll.hookCBT, dll.hookSwap}) {
    const HHOOK handle = hook();
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(dll.unHook(handle));
    EXPECT_FALSE(dll.unHook(handle));
  }
}

TEST_F(HookInstall, UnknownHandlesAreRefused) {
  EXPECT_FALSE(dll.unHook(nullptr));
  EXPECT_FALSE(dll.unHook(reinterpret_cast<HHOOK>(0x1234)));
  const HHOOK keyboard = dll.hookKeyboard();
  ASSERT_NE(keyboard, nullptr);
  EXPECT_FALSE(dll.unHook(reinterpret_cast<HHOOK>(0x1234)));
  EXPECT_TRUE(dll.unHook(keyboard));
}

TEST_F(HookInstall, AllHooksAtOnceHaveTheirOwnHandles) {
  const HHOOK keyboard = dll.hookKeyboard();
  const HHOOK mouse = dll.hookMouse();
  const HHOOK watcher = dll.hookCBT();
  const HHOOK swap = dll.hookSwap();
  const HHOOK keyboard2 = dll.hookKeyboard();
  const std::set<HHOOK> handles{keyboard, mouse, watcher, swap, keyboard2};
  EXPECT_EQ(handles.size(), 5u);
  EXPECT_EQ(handles.count(nullptr), 0u);
  // Removed in an order other than installed.
  EXPECT_TRUE(dll.unHook(watcher));
  EXPECT_TRUE(dll.unHook(keyboard));
  EXPECT_TRUE(dll.unHook(swap));
  EXPECT_TRUE(dll.unHook(keyboard2));
  EXPECT_TRUE(dll.unHook(mouse));
}

// Restore Keyboard Hooks removes the last hook and installs a new one: the
// hook thread ends in between and must start again.
TEST_F(HookInstall, HooksInstallAgainAfterTheLastWasRemoved) {
  for (int round = 0; round < 3; ++round) {
    const HHOOK keyboard = dll.hookKeyboard();
    ASSERT_NE(keyboard, nullptr) << round;
    EXPECT_TRUE(dll.unHook(keyboard));
  }
}

// The library stays usable when the program frees it while hooks are in:
// the hook thread keeps it loaded until the last hook is gone.
TEST(HookLibraryLifetime, HooksSurviveTheProgramFreeingTheLibrary) {
  HHOOK keyboard = nullptr;
  {
    HookDll dll;
    ASSERT_TRUE(dll.loaded());
    keyboard = dll.hookKeyboard();
    ASSERT_NE(keyboard, nullptr);
  }
  EXPECT_NE(GetModuleHandleA("TVXHOOK.DLL"), nullptr);
  // Input runs through the hook procedure, which must still be there.
  keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  HookDll dll;
  EXPECT_TRUE(dll.unHook(keyboard));
}

// Window with two edit fields for input that must pass every hook.
class InputWindow {
 public:
  InputWindow() : frame_("Tavrix input test") {
    first_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24,
                             frame_.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    second_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 60, 200,
                              24, frame_.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  HWND frame() const { return frame_.handle(); }
  HWND first() const { return first_; }
  HWND second() const { return second_; }

 private:
  PlainWindow frame_;
  HWND first_;
  HWND second_;
};

void pressKey(BYTE key) {
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}

void clickAt(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

TEST_F(HookInstall, KeysAndClicksPassThroughInstalledHooks) {
  InputWindow window;
  ASSERT_NE(window.second(), nullptr);
  const HHOOK keyboard = dll.hookKeyboard();
  const HHOOK mouse = dll.hookMouse();
  const HHOOK swap = dll.hookSwap();
  ASSERT_TRUE(keyboard && mouse && swap);

  ASSERT_TRUE(BringToFront(window.frame()));
  SetFocus(window.first());
  pressKey('H');
  pressKey('I');
  EXPECT_TRUE(PumpUntil([&] { return TextOf(window.first()) == "hi"; }, 3000))
      << "typed text: " << TextOf(window.first());

  clickAt(window.second());
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == window.second(); }, 3000));
  pressKey('X');
  EXPECT_TRUE(PumpUntil([&] { return TextOf(window.second()) == "x"; }, 3000))
      << "typed text: " << TextOf(window.second());

  EXPECT_TRUE(dll.unHook(keyboard));
  EXPECT_TRUE(dll.unHook(mouse));
  EXPECT_TRUE(dll.unHook(swap));
}

}  // namespace
}  // namespace tavrix::test
