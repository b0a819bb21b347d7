// Clipboard, files, processes, the clock and message processing of the real
// desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <thread>

#include "platform/win32/dpi_awareness.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/process_list.h"
#include "platform/win32/win32_desktop.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

TEST(DesktopClipboard, HoldsThePlainTextSetLast) {
  Win32Desktop desktop;
  desktop.SetClipboardText("a<b>c");
  EXPECT_EQ(ClipboardText(), "a<b>c");
  desktop.SetClipboardText("line one\r\nline two");
  EXPECT_EQ(ClipboardText(), "line one\r\nline two");
  desktop.SetClipboardText("");
  EXPECT_EQ(ClipboardText(), "");
}

TEST(DesktopClipboard, PlainTextEndsAtTheFirstNul) {
  Win32Desktop desktop;
  desktop.SetClipboardText(std::string("before\0after", 12));
  EXPECT_EQ(ClipboardText(), "before");
}

TEST(DesktopClipboard, UsesTheMainWindowAsOwnerOnceItIsSet) {
  Win32Desktop desktop;
  wintest::PlainWindow main("Tavrix clipboard owner");
  desktop.SetMainWindow(main.id());
  desktop.SetClipboardText("owned");
  EXPECT_EQ(GetClipboardOwner(), main.handle());
  EXPECT_EQ(ClipboardText(), "owned");
}

TEST(DesktopClipboard, WaitsBrieflyForAnotherHolderToLetGo) {
  Win32Desktop desktop;
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([opened] {
    if (OpenClipboard(nullptr)) {
      SetEvent(opened);
      Sleep(40);
      CloseClipboard();
    } else {
      SetEvent(opened);
    }
  });
  WaitForSingleObject(opened, 2000);
  desktop.SetClipboardText("after the wait");
  holder.join();
  CloseHandle(opened);
  EXPECT_EQ(ClipboardText(), "after the wait");
}

class DesktopFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "tavrix_platform_files_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "big.bin"}) DeleteFileA(Path(name).c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
  void Write(const std::string& name, const std::string& bytes) {
    HANDLE file = CreateFileA(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  bool Exists(const std::string& name) const { return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES; }

  Win32Desktop desktop_;
  std::string folder_;
};

TEST_F(DesktopFiles, ReadsAWholeFileByteForByte) {
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes.push_back(static_cast<char>(i * 7));
  bytes += "\x1A";
  Write("big.bin", bytes);
  const auto read = desktop_.ReadFile(Path("big.bin"));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, bytes);
  Write("a.txt", "");
  EXPECT_EQ(desktop_.ReadFile(Path("a.txt")), std::string());
}

TEST_F(DesktopFiles, MissingFilesReadAsNothing) {
  EXPECT_FALSE(desktop_.ReadFile(Path("missing.txt")).has_value());
  EXPECT_FALSE(desktop_.ReadFile(folder_).has_value());  // a folder is not a file
  EXPECT_FALSE(desktop_.ReadFile("").has_value());
}

TEST_F(DesktopFiles, CopyOverwritesRenameMovesDeleteRemoves) {
  Write("a.txt", "first");
  Write("b.txt", "old contents");
  desktop_.CopyFile(Path("a.txt"), Path("b.txt"));
  EXPECT_EQ(desktop_.ReadFile(Path("b.txt")), "first");
  desktop_.RenameFile(Path("b.txt"), Path("c.txt"));
  EXPECT_FALSE(Exists("b.txt"));
  EXPECT_EQ(desktop_.ReadFile(Path("c.txt")), "first");
  desktop_.DeleteFile(Path("c.txt"));
  EXPECT_FALSE(Exists("c.txt"));
  EXPECT_TRUE(Exists("a.txt"));
}

TEST_F(DesktopFiles, FailuresAreSilentAndChangeNothing) {
  Write("a.txt", "keep");
  Write("b.txt", "also keep");
  desktop_.RenameFile(Path("a.txt"), Path("b.txt"));  // target exists: refused
  desktop_.CopyFile(Path("missing.txt"), Path("a.txt"));
  desktop_.DeleteFile(Path("missing.txt"));
  desktop_.ChangeFolder(Path("no such folder"));
  EXPECT_EQ(desktop_.ReadFile(Path("a.txt")), "keep");
  EXPECT_EQ(desktop_.ReadFile(Path("b.txt")), "also keep");
}

TEST_F(DesktopFiles, ChangeFolderMakesRelativeNamesResolveThere) {
  char before[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, before);
  Write("a.txt", "relative");
  desktop_.ChangeFolder(folder_);
  EXPECT_EQ(desktop_.ReadFile("a.txt"), "relative");
  SetCurrentDirectoryA(before);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string OwnExecutableName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  return Upper(name.substr(name.find_last_of("\\/") + 1));
}

bool ListsThisProcess(const std::vector<ProcessEntry>& processes) {
  return std::any_of(processes.begin(), processes.end(), [](const ProcessEntry& p) {
    return p.id == GetCurrentProcessId() && Upper(p.moduleName) == OwnExecutableName();
  });
}

TEST(DesktopProcesses, BothWaysListThisProcessByItsFileName) {
  const auto fromStatus = ProcessesFromProcessStatus();
  ASSERT_TRUE(fromStatus.has_value());
  EXPECT_TRUE(ListsThisProcess(*fromStatus));
  const auto fromSnapshot = ProcessesFromSnapshot();
  ASSERT_TRUE(fromSnapshot.has_value());
  EXPECT_TRUE(ListsThisProcess(*fromSnapshot));
  Win32Desktop desktop;
  EXPECT_TRUE(ListsThisProcess(desktop.RunningProcesses()));
  for (const ProcessEntry& p : desktop.RunningProcesses()) {
    EXPECT_EQ(p.moduleName.find_first_of("\\/"), std::string::npos) << p.moduleName;
  }
}

TEST(DesktopClock, NowIsTheLocalTime) {
  Win32Desktop desktop;
  SYSTEMTIME before{};
  GetLocalTime(&before);
  const LocalDateTime now = desktop.Now();
  EXPECT_EQ(now.year, before.wYear);
  EXPECT_EQ(now.month, before.wMonth);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_LE(now.hour, 23);
  EXPECT_LE(now.minute, 59);
  EXPECT_LE(now.second, 59);
  EXPECT_LE(now.millisecond, 999);
}

int dispatched = 0;
LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++dispatched;
  return DefWindowProcA(window, message, wParam, lParam);
}

void CALLBACK PostAppMessageOnce(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  PostMessageA(window, WM_APP, 0, 0);
}

class DesktopMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    wintest::TakeQuit();
    dispatched = 0;
    SetWindowLongPtrA(window_.handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure));
  }
  wintest::PlainWindow window_{"Tavrix message test", false};
  Win32Desktop desktop_;
};

TEST_F(DesktopMessages, WaitLastsItsTimeAndHandlesMessagesMeanwhile) {
  const std::uint32_t start = desktop_.TickCount();
  PostMessageA(window_.handle(), WM_APP, 0, 0);
  SetTimer(window_.handle(), 1, 10, PostAppMessageOnce);
  desktop_.Wait(120);
  EXPECT_GE(desktop_.TickCount() - start, 120u);
  EXPECT_EQ(dispatched, 2);  // the one waiting and the one posted during the wait
}

TEST_F(DesktopMessages, ProcessMessagesHandlesWhatIsPending) {
  PostMessageA(window_.handle(), WM_APP, 0, 0);
  PostMessageA(window_.handle(), WM_APP, 0, 0);
  desktop_.ProcessMessages();
  EXPECT_EQ(dispatched, 2);
  desktop_.Wait(0);
  EXPECT_EQ(dispatched, 2);
}

TEST_F(DesktopMessages, AQuitSeenWhileWaitingIsLeftForTheMainLoop) {
  PostMessageA(window_.handle(), WM_APP, 0, 0);
  PostQuitMessage(7);
  desktop_.Wait(30);
  EXPECT_EQ(dispatched, 1);
  desktop_.ProcessMessages();
  EXPECT_EQ(wintest::TakeQuit(), 7);
  EXPECT_EQ(wintest::TakeQuit(), -1);
}

TEST_F(DesktopMessages, TheMainLoopDispatchesUntilTheQuitAndAnswersItsCode) {
  PostMessageA(window_.handle(), WM_APP, 0, 0);
  PostMessageA(window_.handle(), WM_APP, 0, 0);
  PostQuitMessage(4);
  EXPECT_EQ(RunMessageLoop(), 4);
  EXPECT_EQ(dispatched, 2);
  EXPECT_EQ(wintest::TakeQuit(), -1);
}

TEST(FileDialogFilter, PartsEndWithNulAndTheListWithTwo) {
  static constexpr char kTavrix[] = "Tavrix (*.TVX)\0*.TVX\0";  // plus the literal's own NUL
  static constexpr char kTwo[] = "Text\0*.TXT\0All\0*.*\0";
  EXPECT_EQ(FileDialogFilter("Tavrix (*.TVX)|*.TVX"), std::string(kTavrix, sizeof kTavrix));
  EXPECT_EQ(FileDialogFilter("Text|*.TXT|All|*.*"), std::string(kTwo, sizeof kTwo));
}

TEST(DpiAwareness, IsDeclaredWhereTheSystemOffersIt) {
  EXPECT_TRUE(DeclareDpiAware());  // Wine and Vista on have SetProcessDPIAware
}

}  // namespace
}  // namespace tavrix
