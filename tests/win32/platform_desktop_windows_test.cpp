// Window lookup, state, geometry and the foreground on the real desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "platform/win32/foreground_handover.h"
#include "platform/win32/win32_desktop.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

using wintest::PlainWindow;
using wintest::PumpUntil;

bool Contains(const std::vector<WindowId>& windows, WindowId window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

TEST(DesktopWindows, FindsWindowsByExactTitleAndListsHiddenOnesToo) {
  Win32Desktop desktop;
  PlainWindow shown("Tavrix lookup shown");
  PlainWindow hidden("Tavrix lookup hidden", false);
  EXPECT_EQ(desktop.FindWindowByTitle("Tavrix lookup shown"), shown.id());
  EXPECT_EQ(desktop.FindWindowByTitle("Tavrix lookup hidden"), hidden.id());
  EXPECT_EQ(desktop.FindWindowByTitle("Tavrix lookup"), 0u);
  const auto all = desktop.TopLevelWindows();
  EXPECT_TRUE(Contains(all, shown.id()));
  EXPECT_TRUE(Contains(all, hidden.id()));
  EXPECT_EQ(desktop.WindowTitle(hidden.id()), "Tavrix lookup hidden");
}

TEST(DesktopWindows, TitlesAreReadUpTo255Characters) {
  Win32Desktop desktop;
  const std::string longTitle(300, 'x');
  PlainWindow window(longTitle.c_str());
  EXPECT_EQ(desktop.WindowTitle(window.id()), std::string(255, 'x'));
  EXPECT_EQ(desktop.WindowTitle(0), "");
}

TEST(DesktopWindows, AnswersParentProcessAndMinimisedState) {
  Win32Desktop desktop;
  wintest::EditWindow window("Tavrix parent test");
  EXPECT_EQ(desktop.ParentWindow(WindowIdOf(window.edit())), window.id());
  EXPECT_EQ(desktop.ParentWindow(window.id()), 0u);
  EXPECT_EQ(desktop.WindowProcess(window.id()), GetCurrentProcessId());
  EXPECT_FALSE(desktop.IsMinimized(window.id()));
  desktop.ShowWindow(window.id(), ShowCommand::Minimize);
  EXPECT_TRUE(desktop.IsMinimized(window.id()));
  desktop.ShowWindow(window.id(), ShowCommand::Restore);
  EXPECT_FALSE(desktop.IsMinimized(window.id()));
  desktop.ShowWindow(window.id(), ShowCommand::Hide);
  EXPECT_FALSE(IsWindowVisible(window.handle()));
  desktop.ShowWindow(window.id(), ShowCommand::Show);
  EXPECT_TRUE(IsWindowVisible(window.handle()));
}

TEST(DesktopWindows, MovesKeepTheSizeAndResizesKeepThePosition) {
  Win32Desktop desktop;
  PlainWindow window("Tavrix geometry test");
  desktop.MoveWindowTo(window.id(), 120, 90);
  Rect r = desktop.WindowRect(window.id());
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 90);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 200);
  desktop.ResizeWindow(window.id(), 400, 250);
  r = desktop.WindowRect(window.id());
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 90);
  EXPECT_EQ(r.right, 520);
  EXPECT_EQ(r.bottom, 340);
}

TEST(DesktopWindows, SystemCommandsMinimiseRestoreAndClose) {
  Win32Desktop desktop;
  PlainWindow window("Tavrix syscommand test");
  desktop.SendSysCommand(window.id(), SysCommand::Minimize);
  EXPECT_TRUE(IsIconic(window.handle()));
  desktop.SendSysCommand(window.id(), SysCommand::Restore);
  EXPECT_FALSE(IsIconic(window.handle()));
  desktop.SendSysCommand(window.id(), SysCommand::Maximize);
  EXPECT_TRUE(IsZoomed(window.handle()));
  desktop.SendSysCommand(window.id(), SysCommand::Close);
  EXPECT_FALSE(IsWindow(window.handle()));
}

TEST(DesktopWindows, PostQuitPutsAQuitForTheWindowsThread) {
  Win32Desktop desktop;
  PlainWindow window("Tavrix quit test");
  desktop.PostQuit(window.id());
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, window.handle());
  EXPECT_EQ(msg.wParam, 0u);
  EXPECT_EQ(msg.lParam, 0);
}

TEST(DesktopForeground, BringsEitherOfTwoWindowsToTheFront) {
  Win32Desktop desktop;
  PlainWindow first("Tavrix front first", true, 40, 40);
  PlainWindow second("Tavrix front second", true, 200, 120);
  desktop.BringToForeground(first.id());
  EXPECT_EQ(desktop.ForegroundWindow(), first.id());
  desktop.BringToForeground(second.id());
  EXPECT_EQ(desktop.ForegroundWindow(), second.id());
  desktop.BringToForeground(first.id());
  EXPECT_EQ(desktop.ForegroundWindow(), first.id());
}

TEST(DesktopForeground, FocusStaysOnTheControlTheWindowChose) {
  Win32Desktop desktop;
  wintest::EditWindow typing("Tavrix focus keeper");
  PlainWindow other("Tavrix focus other", true, 200, 120);
  desktop.BringToForeground(typing.id());
  SetFocus(typing.edit());
  desktop.BringToForeground(other.id());
  EXPECT_EQ(GetFocus(), other.handle());
  // Back again: the window itself gets the focus, since a plain window does
  // not hand it on; a window that already holds it inside keeps it there.
  SetFocus(nullptr);
  desktop.BringToForeground(typing.id());
  EXPECT_EQ(desktop.ForegroundWindow(), typing.id());
  SetFocus(typing.edit());
  desktop.BringToForeground(typing.id());
  EXPECT_EQ(GetFocus(), typing.edit());
}

HWND FocusOfThread(WindowId window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(HwndOf(window), nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

WindowId FindTitleContaining(Win32Desktop& desktop, const std::string& part) {
  for (WindowId window : desktop.TopLevelWindows()) {
    if (Upper(desktop.WindowTitle(window)).find(Upper(part)) != std::string::npos) return window;
  }
  return 0;
}

// Another program: launched through the shell, found among the processes,
// brought in front of this one and closed again.
TEST(DesktopOtherProgram, LaunchFindActivateAndClose) {
  Win32Desktop desktop;
  PlainWindow own("Tavrix launcher");
  desktop.BringToForeground(own.id());
  // The parameters reach the program: notepad opens the file it is given.
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string name = "tavrix_launch_" + std::to_string(GetCurrentProcessId()) + ".txt";
  const std::string path = std::string(temp) + name;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "from the file", 13, &written, nullptr);
  CloseHandle(file);
  desktop.LaunchProgram("notepad.exe", "\"" + path + "\"");
  ASSERT_NE(wintest::WaitForLaunchedNotepad(), nullptr) << "notepad did not open";
  DeleteFileA(path.c_str());
  // Found the way the window commands find it: by part of its title.
  const WindowId notepad = FindTitleContaining(desktop, name);
  ASSERT_NE(notepad, 0u);
  HWND edit = FindWindowExA(HwndOf(notepad), nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(wintest::TextOf(edit), "from the file");
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));

  const ProcessId id = desktop.WindowProcess(notepad);
  const auto processes = desktop.RunningProcesses();
  const auto entry = std::find_if(processes.begin(), processes.end(), [&](const ProcessEntry& p) { return p.id == id; });
  ASSERT_NE(entry, processes.end());
  EXPECT_EQ(Upper(entry->moduleName), "NOTEPAD.EXE");

  desktop.BringToForeground(own.id());
  EXPECT_EQ(desktop.ForegroundWindow(), own.id());
  desktop.BringToForeground(notepad);
  EXPECT_EQ(desktop.ForegroundWindow(), notepad);
  desktop.BringToForeground(own.id());
  EXPECT_EQ(desktop.ForegroundWindow(), own.id());

  // Keys typed after bringing it forward land in its edit, with its layout.
  desktop.BringToForeground(notepad);
  EXPECT_TRUE(PumpUntil([&] { return FocusOfThread(notepad) == edit; }, 2000));
  const std::string typed = "Hi, Notepad! (42)";
  for (unsigned char c : typed) {
    const std::int16_t scan = desktop.KeyScan(c);
    if (scan & 0x100) desktop.SendKey(0x10, false);
    desktop.SendKey(static_cast<std::uint8_t>(scan & 0xFF), false);
    desktop.SendKey(static_cast<std::uint8_t>(scan & 0xFF), true);
    if (scan & 0x100) desktop.SendKey(0x10, true);
  }
  PumpUntil([&] { return wintest::TextOf(edit).size() >= typed.size(); }, 5000);
  EXPECT_EQ(wintest::TextOf(edit), typed);
  SendMessageA(edit, EM_SETMODIFY, FALSE, 0);  // closes without asking to save

  desktop.SendSysCommand(notepad, SysCommand::Close);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(HwndOf(notepad)); }, 5000));
}

}  // namespace
}  // namespace tavrix
