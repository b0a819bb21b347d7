// The library's decisions on real input: keys sent as another program (or
// the user) would send them reach the hooks, and what the program is told,
// and what the target window still receives, is checked.
#include <gtest/gtest.h>

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
using wintest::TextOf;
namespace {

constexpr DWORD kMessageTimeoutMs = 3000;

int codeOf(const char* name) { return FindHotKey(name).value(); }

// A top-level window with an edit field that has the focus: the target.
class TargetWindow {
 public:
  TargetWindow() : frame_("Tavrix hot key target") {
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 250, 24,
                            frame_.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  HWND frame() const { return frame_.handle(); }
  HWND edit() const { return edit_; }

 private:
  PlainWindow frame_;
  HWND edit_;
};

class HotKeyHook : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dll.loaded());
    ASSERT_TRUE(downstream.installed());
    table.publishAll(mainWindow.handle());
    keyboard = dll.hookKeyboard();
    mouse = dll.hookMouse();
    ASSERT_NE(keyboard, nullptr);
    ASSERT_NE(mouse, nullptr);
    ASSERT_TRUE(BringToFront(target.frame()));
    SetFocus(target.edit());
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == target.edit(); }, 2000));
    settle();
  }

  void TearDown() override {
    if (keyboard != nullptr) {
      EXPECT_TRUE(dll.unHook(keyboard));
    }
    if (mouse != nullptr) {
      EXPECT_TRUE(dll.unHook(mouse));
    }
  }

  // Lets everything sent so far pass through the hooks and the queues.
  void settle(DWORD ms = 150) {
    PumpUntil([] { return false; }, ms);
    discardMessages(mainWindow.handle(), 0);
    downstream.clear();
  }

  bool received(HWND window, UINT message, MSG& got, DWORD timeoutMs = kMessageTimeoutMs) {
    return WaitForMessage(window, message, got, timeoutMs);
  }

  // True when no `message` reached `window` before a later report that must
  // come after everything sent so far: the press of a hot key kept for this
  // (reported as an activation, or to the entry window in entry mode). The
  // library posts in the order the events pass, and both windows belong to
  // this thread, so one queue holds the answer.
  bool quiet(HWND window, UINT message) {
    const int sentinel = codeOf("Ctrl+Shift+F12");
    table.setUsed(sentinel, true);
    sendCombination({VK_CONTROL, VK_SHIFT}, VK_F12);
    bool seen = false;
    const bool arrived = wintest::PumpInOrderUntil(
        [&](const MSG& got) {
          const bool report = got.message == kMsgActivation || got.message == kMsgHotKeyEntry;
          return report && static_cast<int>(got.wParam & 0x3FFF) == sentinel;
        },
        [&](const MSG& got) {
          if (got.hwnd != window || got.message != message) return false;
          seen = true;
          return true;
        },
        kMessageTimeoutMs);
    table.setUsed(sentinel, false);
    EXPECT_TRUE(arrived) << "the library did not report the closing hot key";
    return arrived && !seen;
  }

  HookDll dll;
  Downstream downstream;  // before the library's hooks: called after them
  ProgramTable table{dll};
  PlainWindow mainWindow{"Tavrix main", false};
  TargetWindow target;
  HHOOK keyboard = nullptr;
  HHOOK mouse = nullptr;
};

TEST_F(HotKeyHook, UsedHotKeyIsPostedWithTheFocusWindowAndNeverReachesTheTarget) {
  const int code = codeOf("Ctrl+Shift+H");
  table.setUsed(code, true);
  sendCombination({VK_CONTROL, VK_SHIFT}, 'H');
  sendCombination({}, 'X');

  MSG got;
  ASSERT_TRUE(received(mainWindow.handle(), kMsgActivation, got));
  EXPECT_EQ(got.wParam & 0x3FFF, static_cast<WPARAM>(code));
  EXPECT_EQ(reinterpret_cast<HWND>(got.lParam), target.edit());
  EXPECT_TRUE(PumpUntil([&] { return TextOf(target.edit()) == "x"; }, 2000))
      << "the target got: " << TextOf(target.edit());
  EXPECT_FALSE(downstream.sawKey('H', false));
  EXPECT_FALSE(downstream.sawKey('H', true));
  EXPECT_TRUE(downstream.sawKey(VK_LCONTROL, true) || downstream.sawKey(VK_CONTROL, true));
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgActivation));  // once per press
}

TEST_F(HotKeyHook, CombinationsNotInUsePassUntouched) {
  table.setUsed(codeOf("Ctrl+Shift+H"), true);
  sendCombination({VK_SHIFT}, 'H');
  sendCombination({VK_CONTROL}, 'H');
  sendCombination({}, 'I');
  EXPECT_TRUE(PumpUntil([&] { return TextOf(target.edit()) == "Hi"; }, 2000))
      << "the target got: " << TextOf(target.edit());
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgActivation));
}

TEST_F(HotKeyHook, TavrixOwnInputNeverFires) {
  table.setUsed(codeOf("Ctrl+Shift+H"), true);
  table.setUsed(codeOf("F2"), true);
  sendCombination({VK_CONTROL, VK_SHIFT}, 'H', kSyntheticInputMarker);
  sendCombination({}, VK_F2, kSyntheticInputMarker);
  sendCombination({}, 'Z', kSyntheticInputMarker);
  EXPECT_TRUE(PumpUntil([&] { return TextOf(target.edit()) == "z"; }, 2000));
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgActivation));
  EXPECT_TRUE(downstream.sawKey('H', false));
  EXPECT_TRUE(downstream.sawKey(VK_F2, false));
}

TEST_F(HotKeyHook, EntryModeSendsTheCodeToTheEntryWindowInstead) {
  PlainWindow dialog{"Tavrix entry dialog", false};
  table.setUsed(codeOf("Ctrl+Shift+H"), true);
  table.setEntry(dialog.handle(), true);
  sendCombination({VK_CONTROL}, 'Q');  // not in use: entered all the same
  MSG got;
  ASSERT_TRUE(received(dialog.handle(), kMsgHotKeyEntry, got));
  EXPECT_EQ(got.wParam, static_cast<WPARAM>(codeOf("Ctrl+Q")));
  sendCombination({VK_CONTROL, VK_SHIFT}, 'H');
  ASSERT_TRUE(received(dialog.handle(), kMsgHotKeyEntry, got));
  EXPECT_EQ(got.wParam, static_cast<WPARAM>(codeOf("Ctrl+Shift+H")));
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgActivation));
  EXPECT_FALSE(downstream.sawKey('Q', false));

  table.setEntry(mainWindow.handle(), false);
  sendCombination({VK_CONTROL, VK_SHIFT}, 'H');
  EXPECT_TRUE(received(mainWindow.handle(), kMsgActivation, got));
  EXPECT_TRUE(quiet(dialog.handle(), kMsgHotKeyEntry));
}

TEST_F(HotKeyHook, EndOfMacroMarkerClearsInUseAndStopsThere) {
  sendCombination({}, static_cast<BYTE>(kEndOfMacroKey), kSyntheticInputMarker);
  sendCombination({}, 'Y', kSyntheticInputMarker);
  MSG got;
  EXPECT_TRUE(received(mainWindow.handle(), kMsgClearInUse, got));
  ASSERT_TRUE(PumpUntil([&] { return downstream.sawKey('Y', true); }, 2000));
  EXPECT_FALSE(downstream.sawKey(kEndOfMacroKey, false));
  EXPECT_FALSE(downstream.sawKey(kEndOfMacroKey, true));

  // From anyone else it is just a key.
  downstream.clear();
  sendCombination({}, static_cast<BYTE>(kEndOfMacroKey));
  EXPECT_TRUE(PumpUntil([&] { return downstream.sawKey(kEndOfMacroKey, true); }, 2000));
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgClearInUse));
}

TEST_F(HotKeyHook, PauseAbortsAPlayingMacroOnly) {
  sendCombination({}, VK_PAUSE);
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgAbort));
  EXPECT_TRUE(downstream.sawKey(VK_PAUSE, false));

  table.setInUse(true);
  downstream.clear();
  sendCombination({}, VK_PAUSE);
  MSG got;
  EXPECT_TRUE(received(mainWindow.handle(), kMsgAbort, got));
  // Ctrl+Pause/Break arrives as VK_CANCEL.
  sendCombination({VK_CONTROL}, VK_CANCEL);
  EXPECT_TRUE(received(mainWindow.handle(), kMsgAbort, got));
  sendCombination({}, VK_PAUSE, kSyntheticInputMarker);
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgAbort));
  EXPECT_FALSE(downstream.sawKey(VK_CANCEL, false));

  // Once the macro's end-of-macro marker has passed, Pause is a key again,
  // although the program has not yet published InUse 0.
  sendCombination({}, static_cast<BYTE>(kEndOfMacroKey), kSyntheticInputMarker);
  ASSERT_TRUE(received(mainWindow.handle(), kMsgClearInUse, got));
  downstream.clear();
  sendCombination({}, VK_PAUSE);
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgAbort));
  EXPECT_TRUE(downstream.sawKey(VK_PAUSE, false));
  table.setInUse(false);
}

// Releasing Alt right after a swallowed key would open the target's menu: an
// unassigned key goes between, before the user lets go of Alt.
TEST_F(HotKeyHook, AltHotKeyIsFollowedByTheMenuBlocker) {
  const int code = codeOf("Alt+X");
  table.setUsed(code, true);
  sendKey(VK_MENU, false);
  sendKey('X', false);
  sendKey('X', true);
  MSG got;
  ASSERT_TRUE(received(mainWindow.handle(), kMsgActivation, got));
  EXPECT_EQ(got.wParam & 0x3FFF, static_cast<WPARAM>(code));
  EXPECT_TRUE(PumpUntil([&] { return downstream.sawKeyMarked(0xE8); }, 2000));
  sendKey(VK_MENU, true);
  EXPECT_FALSE(downstream.sawKey('X', false));
}

TEST_F(HotKeyHook, CapsLockChangesAreReportedAndMarkTheActivation) {
  table.setUsed(codeOf("F2"), true);
  MSG first;
  MSG second;
  MSG activation;
  sendCombination({}, VK_CAPITAL);
  ASSERT_TRUE(received(mainWindow.handle(), kMsgCapsLock, first));
  sendCombination({}, VK_F2);
  ASSERT_TRUE(received(mainWindow.handle(), kMsgActivation, activation));
  EXPECT_EQ((activation.wParam & kActivationCapsLockBit) != 0, first.wParam != 0);
  sendCombination({}, VK_CAPITAL);  // back as it was
  ASSERT_TRUE(received(mainWindow.handle(), kMsgCapsLock, second));
  EXPECT_NE(first.wParam != 0, second.wParam != 0);
  EXPECT_TRUE(downstream.sawKey(VK_CAPITAL, false));  // Caps Lock itself passes
}

TEST_F(HotKeyHook, MouseHotKeyIsTakenOnlyWhenInUse) {
  RECT rect;
  GetWindowRect(target.edit(), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  settle();

  sendKey(VK_CONTROL, false);
  sendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  sendKey(VK_CONTROL, true);
  EXPECT_TRUE(PumpUntil([&] { return downstream.sawButtonDown(); }, 2000));
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgActivation));

  const int code = codeOf("Ctrl+LMouse");
  table.setUsed(code, true);
  downstream.clear();
  sendKey(VK_CONTROL, false);
  sendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  sendKey(VK_CONTROL, true);
  MSG got;
  ASSERT_TRUE(received(mainWindow.handle(), kMsgActivation, got));
  EXPECT_EQ(got.wParam & 0x3FFF, static_cast<WPARAM>(code));
  EXPECT_TRUE(PumpUntil([&] { return downstream.sawKey(VK_LCONTROL, true) ||
                                     downstream.sawKey(VK_CONTROL, true); }, 2000));
  EXPECT_FALSE(downstream.sawButtonDown());

  // The program's own clicks are never hot keys.
  sendKey(VK_CONTROL, false, kSyntheticInputMarker);
  sendClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, kSyntheticInputMarker);
  sendKey(VK_CONTROL, true, kSyntheticInputMarker);
  EXPECT_TRUE(PumpUntil([&] { return downstream.sawButtonDown(); }, 2000));
  EXPECT_TRUE(quiet(mainWindow.handle(), kMsgActivation));
}

}  // namespace
}  // namespace tavrix::test
