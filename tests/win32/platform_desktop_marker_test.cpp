// Synthesised input carries the program's marker and the exact key and
// mouse data, as the hook library sees it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "base/private_messages.h"
#include "platform/win32/win32_desktop.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

std::vector<KBDLLHOOKSTRUCT> keyEvents;
std::vector<std::pair<WPARAM, MSLLHOOKSTRUCT>> mouseEvents;

LRESULT CALLBACK RecordKey(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) keyEvents.push_back(*reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordMouse(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) mouseEvents.emplace_back(wParam, *reinterpret_cast<MSLLHOOKSTRUCT*>(lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class HookRecorder {
 public:
  HookRecorder(int kind, HOOKPROC procedure) : hook_(SetWindowsHookExA(kind, procedure, GetModuleHandleA(nullptr), 0)) {}
  ~HookRecorder() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  }
  bool installed() const { return hook_ != nullptr; }

 private:
  HHOOK hook_;
};

TEST(DesktopInputMarker, KeyEventsCarryTheMarkerAndTheLayoutsScanCode) {
  keyEvents.clear();
  wintest::PlainWindow target("Tavrix marker target");
  Win32Desktop desktop;
  desktop.BringToForeground(target.id());
  HookRecorder hook(WH_KEYBOARD_LL, RecordKey);
  ASSERT_TRUE(hook.installed());

  // Insert, Delete and the arrows are extended keys on a real keyboard; the
  // program sends them without the extended flag all the same.
  const std::uint8_t keys[] = {'Q', 0x2D, 0x2E, 0x25, 0x0D};
  for (std::uint8_t vk : keys) {
    desktop.SendKey(vk, false);
    desktop.SendKey(vk, true);
  }
  wintest::PumpUntil([] { return keyEvents.size() >= 10; }, 2000);
  ASSERT_EQ(keyEvents.size(), 10u);
  for (std::size_t i = 0; i < keyEvents.size(); ++i) {
    const KBDLLHOOKSTRUCT& e = keyEvents[i];
    const std::uint8_t vk = keys[i / 2];
    SCOPED_TRACE(i);
    EXPECT_EQ(e.vkCode, vk);
    EXPECT_EQ(e.scanCode, MapVirtualKeyA(vk, 0));
    EXPECT_EQ(e.dwExtraInfo, kSyntheticInputMarker);
    EXPECT_NE(e.flags & LLKHF_INJECTED, 0u);
    EXPECT_EQ(e.flags & LLKHF_EXTENDED, 0u);
    EXPECT_EQ((e.flags & LLKHF_UP) != 0, i % 2 == 1);
  }
}

TEST(DesktopInputMarker, MouseEventsCarryTheMarkerAndTheWheelData) {
  mouseEvents.clear();
  Win32Desktop desktop;
  HookRecorder hook(WH_MOUSE_LL, RecordMouse);
  ASSERT_TRUE(hook.installed());

  desktop.SendMouse(mouse_flags::Wheel, 0, 0, 3 * 120);
  desktop.SendMouse(mouse_flags::Wheel, 0, 0, -2 * 120);
  wintest::PumpUntil([] { return mouseEvents.size() >= 2; }, 2000);
  ASSERT_EQ(mouseEvents.size(), 2u);
  EXPECT_EQ(mouseEvents[0].first, static_cast<WPARAM>(WM_MOUSEWHEEL));
  EXPECT_EQ(static_cast<short>(HIWORD(mouseEvents[0].second.mouseData)), 360);
  EXPECT_EQ(static_cast<short>(HIWORD(mouseEvents[1].second.mouseData)), -240);
  for (const auto& event : mouseEvents) EXPECT_EQ(event.second.dwExtraInfo, kSyntheticInputMarker);
}

// Where the pointer is once the move has been handled (Wine may process the
// pointer's previous position from the X server first).
POINT PointerAfterMove(int x, int y) {
  POINT at{};
  wintest::PumpUntil([&] {
    GetCursorPos(&at);
    return std::abs(at.x - x) <= 1 && std::abs(at.y - y) <= 1;
  }, 500);
  return at;
}

TEST(DesktopMouse, AbsoluteMovesScaleToTheScreen) {
  Win32Desktop desktop;
  // The scale playback uses: 65535 spans the screen.
  const double scaleX = 65535.0 / desktop.ScreenWidth();
  const double scaleY = 65535.0 / desktop.ScreenHeight();
  desktop.SendMouse(mouse_flags::Move | mouse_flags::Absolute, static_cast<std::int32_t>(200 * scaleX),
                    static_cast<std::int32_t>(150 * scaleY), 0);
  POINT at = PointerAfterMove(200, 150);
  EXPECT_NEAR(at.x, 200, 1);
  EXPECT_NEAR(at.y, 150, 1);
  desktop.SendMouse(mouse_flags::Move | mouse_flags::Absolute, 0, 0, 0);
  at = PointerAfterMove(0, 0);
  EXPECT_EQ(at.x, 0);
  EXPECT_EQ(at.y, 0);
}

}  // namespace
}  // namespace tavrix
