#include <gtest/gtest.h>

#include <vector>

#include "base/private_messages.h"
#include "tests/win32/hook_dll.h"
#include "tests/win32/window_support.h"

namespace tavrix::test {
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
    return waitForMessage(receiver, kMsgForegroundChanged, message, timeoutMs,
                          [&](const MSG& m) { return reinterpret_cast<HWND>(m.wParam) == window; });
  }

  HookDll dll;
  HHOOK watcher = nullptr;
  TestWindow mainWindow{L"main", false};
  TestWindow first{L"first"};
  TestWindow second{L"second"};
};

TEST_F(ForegroundWatch, ReportsEachWindowThatComesToTheFront) {
  dll.upWindow(tableWithMainWindow(mainWindow.handle()).data());
  watcher = dll.hookCBT();
  ASSERT_NE(watcher, nullptr);
  ASSERT_TRUE(bringToFront(first.handle()));
  EXPECT_TRUE(reported(mainWindow.handle(), first.handle()));
  ASSERT_TRUE(bringToFront(second.handle()));
  EXPECT_TRUE(reported(mainWindow.handle(), second.handle()));
  ASSERT_TRUE(bringToFront(first.handle()));
  EXPECT_TRUE(reported(mainWindow.handle(), first.handle()));
}

// Only the calls that take MainWindow redirect the reports; the others leave
// the library's copy of it alone.
TEST_F(ForegroundWatch, ReportsGoToTheMainWindowLastPublished) {
  TestWindow otherMain{L"other main", false};
  dll.upInit(tableWithMainWindow(mainWindow.handle()).data());
  watcher = dll.hookCBT();
  ASSERT_NE(watcher, nullptr);

  const auto other = tableWithMainWindow(otherMain.handle());
  dll.upItem(other.data(), 1);
  dll.upKeys(other.data());
  dll.upWindow2(other.data());
  dll.upProgs(other.data());
  dll.upCapture(other.data());
  ASSERT_TRUE(bringToFront(first.handle()));
  EXPECT_TRUE(reported(mainWindow.handle(), first.handle()));

  dll.upWindow(other.data());
  ASSERT_TRUE(bringToFront(second.handle()));
  EXPECT_TRUE(reported(otherMain.handle(), second.handle()));
  MSG stray;
  EXPECT_FALSE(waitForMessage(mainWindow.handle(), kMsgForegroundChanged, stray, 500));
}

TEST_F(ForegroundWatch, StopsReportingOnceRemoved) {
  dll.upWindow(tableWithMainWindow(mainWindow.handle()).data());
  watcher = dll.hookCBT();
  ASSERT_NE(watcher, nullptr);
  ASSERT_TRUE(bringToFront(first.handle()));
  ASSERT_TRUE(reported(mainWindow.handle(), first.handle()));
  ASSERT_TRUE(dll.unHook(watcher));
  watcher = nullptr;

  ASSERT_TRUE(bringToFront(second.handle()));
  MSG message;
  EXPECT_FALSE(waitForMessage(mainWindow.handle(), kMsgForegroundChanged, message, 1000));
}

}  // namespace
}  // namespace tavrix::test
