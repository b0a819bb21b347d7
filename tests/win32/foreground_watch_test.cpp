#include <gtest/gtest.h>

#include <vector>

#include "base/private_messages.h"
#include "tests/win32/hook_dll.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix::test {

using wintest::PlainWindow;
using wintest::WaitForMessage;
using wintest::BringToFront;
namespace {

constexpr DWORD kReportTimeoutMs = 3000;

// The program's table with only MainWindow set.
std::vector<BYTE> tableWithMainWindow(HWND window) {
  std::vector<BYTE> table(19755, 0);
  const auto value = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window));
  for (int i = 0; i < 4; ++i) table[i] = static_cast<BYTE>(value >> (8 * i));
  return table;
}

class ForegroundWatch : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dll.loaded()); }
  void TearDown() override {
    if (watcher != nullptr) dll.unHook(watcher);
    dll.upWindow(tableWithMainWindow(nullptr).data());
  }

  // True when `receiver` is told that `window` came to the front.
  bool reported(HWND receiver, HWND window, DWORD timeoutMs = kReportTimeoutMs) {
    MSG message;
    return WaitForMessage(receiver, kMsgForegroundChanged, message, timeoutMs,
                          [&](const MSG& m) { return reinterpret_cast<HWND>(m.wParam) == window; });
  }

  HookDll dll;
  HHOOK watcher = nullptr;
  PlainWindow mainWindow{"main", false};
  PlainWindow first{"first"};
  PlainWindow second{"second"};
};

TEST_F(ForegroundWatch, ReportsEachWindowThatComesToTheFront) {
  dll.upWindow(tableWithMainWindow(mainWindow.handle()).data());
  watcher = dll.hookCBT();
  ASSERT_NE(watcher, nullptr);
  ASSERT_TRUE(BringToFront(first.handle()));
  EXPECT_TRUE(reported(mainWindow.handle(), first.handle()));
  ASSERT_TRUE(BringToFront(second.handle()));
  EXPECT_TRUE(reported(mainWindow.handle(), second.handle()));
  ASSERT_TRUE(BringToFront(first.handle()));
  EXPECT_TRUE(reported(mainWindow.handle(), first.handle()));
}

// Only the calls that take MainWindow redirect the reports; the others leave
// the library's copy of it alone.
TEST_F(ForegroundWatch, ReportsGoToTheMainWindowLastPublished) {
  PlainWindow otherMain{"other main", false};
  dll.upInit(tableWithMainWindow(mainWindow.handle()).data());
  watcher = dll.hookCBT();
  ASSERT_NE(watcher, nullptr);

  const auto other = tableWithMainWindow(otherMain.handle());
  dll.upItem(other.data(), 1);
  dll.upKeys(other.data());
  dll.upWindow2(other.data());
  dll.upProgs(other.data());
  dll.upCapture(other.data());
  ASSERT_TRUE(BringToFront(first.handle()));
  EXPECT_TRUE(reported(mainWindow.handle(), first.handle()));

  dll.upWindow(other.data());
  // Both windows belong to this thread and the library posts in order: a
  // stray report to the old main window would come before the new one's.
  bool stray = false;
  const auto noteStray = [&](const MSG& m) {
    if (m.hwnd != mainWindow.handle() || m.message != kMsgForegroundChanged) return false;
    stray = true;
    return true;
  };
  const auto reportTo = [&](HWND receiver, HWND window) {
    return [=](const MSG& m) {
      return m.hwnd == receiver && m.message == kMsgForegroundChanged && reinterpret_cast<HWND>(m.wParam) == window;
    };
  };
  // No pumping in between that could swallow a stray report unseen.
  SetForegroundWindow(second.handle());
  EXPECT_TRUE(wintest::PumpInOrderUntil(reportTo(otherMain.handle(), second.handle()), noteStray, kReportTimeoutMs));
  SetForegroundWindow(first.handle());
  EXPECT_TRUE(wintest::PumpInOrderUntil(reportTo(otherMain.handle(), first.handle()), noteStray, kReportTimeoutMs));
  EXPECT_FALSE(stray);
}

TEST_F(ForegroundWatch, StopsReportingOnceRemoved) {
  dll.upWindow(tableWithMainWindow(mainWindow.handle()).data());
  watcher = dll.hookCBT();
  ASSERT_NE(watcher, nullptr);
  ASSERT_TRUE(BringToFront(first.handle()));
  ASSERT_TRUE(reported(mainWindow.handle(), first.handle()));
  ASSERT_TRUE(dll.unHook(watcher));
  watcher = nullptr;

  ASSERT_TRUE(BringToFront(second.handle()));
  MSG message;
  EXPECT_FALSE(WaitForMessage(mainWindow.handle(), kMsgForegroundChanged, message, 1000));
}

}  // namespace
}  // namespace tavrix::test
