// The common open and save dialogs, answered by a timer that types a file
// name into them.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_ui.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

using wintest::FindOwnWindow;
using wintest::TimerScript;

BOOL CALLBACK FindFirstEdit(HWND child, LPARAM found) {
  char name[16] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Edit") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// Types `name` into the dialog's file name field and presses the default
// button; or cancels when `name` is null.
bool Answer(const char* title, const char* name) {
  HWND dialog = FindOwnWindow(title);
  if (dialog == nullptr) return false;
  if (name == nullptr) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return true;
  }
  HWND edit = nullptr;
  EnumChildWindows(dialog, FindFirstEdit, reinterpret_cast<LPARAM>(&edit));
  if (edit == nullptr) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  return true;
}

class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    wintest::TakeQuit();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "tavrix_dialogs_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    existing_ = folder_ + "\\MACROS.TVX";
    HANDLE file = CreateFileA(existing_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
  }
  void TearDown() override {
    DeleteFileA(existing_.c_str());
    RemoveDirectoryA(folder_.c_str());
    EXPECT_EQ(wintest::TakeQuit(), -1) << "a script gave up";
  }

  static FileDialogRequest Request(bool save) {
    FileDialogRequest request;
    request.title = save ? "New Tavrix File" : "Open Tavrix File";
    request.filter = "Tavrix (*.TVX)|*.TVX";
    request.defaultExtension = "TVX";
    request.save = save;
    return request;
  }

  Win32Ui ui_;
  std::string folder_;
  std::string existing_;
};

TEST_F(FileDialogs, OpenAnswersTheChosenExistingFile) {
  TimerScript user([&] { return Answer("Open Tavrix File", existing_.c_str()); });
  const auto chosen = ui_.AskFileName(Request(false));
  EXPECT_TRUE(user.finished());
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(lstrcmpiA(chosen->c_str(), existing_.c_str()), 0) << *chosen;
}

TEST_F(FileDialogs, CancelAnswersNothing) {
  TimerScript user([&] { return Answer("Open Tavrix File", nullptr); });
  EXPECT_FALSE(ui_.AskFileName(Request(false)).has_value());
  EXPECT_TRUE(user.finished());
}

TEST_F(FileDialogs, SaveAddsTheDefaultExtensionToANewName) {
  const std::string typed = folder_ + "\\NEWFILE";
  TimerScript user([&] { return Answer("New Tavrix File", typed.c_str()); });
  const auto chosen = ui_.AskFileName(Request(true));
  EXPECT_TRUE(user.finished());
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(lstrcmpiA(chosen->c_str(), (typed + ".TVX").c_str()), 0) << *chosen;
}

TEST_F(FileDialogs, SaveAsksBeforeReplacingAnExistingFile) {
  int step = 0;
  bool asked = false;
  TimerScript user([&] {
    if (step == 0) {
      if (!Answer("New Tavrix File", existing_.c_str())) return false;
      step = 1;
      return false;
    }
    // The overwrite question is a message box with the dialog's title.
    for (HWND window : wintest::OwnWindowsTitled("New Tavrix File")) {
      if (wintest::FindChild(window, "Button", "&Yes") == nullptr) continue;
      asked = true;
      PostMessageA(window, WM_COMMAND, IDYES, 0);
      return true;
    }
    return false;
  });
  const auto chosen = ui_.AskFileName(Request(true));
  EXPECT_TRUE(user.finished());
  EXPECT_TRUE(asked);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(lstrcmpiA(chosen->c_str(), existing_.c_str()), 0) << *chosen;
}

}  // namespace
}  // namespace tavrix
