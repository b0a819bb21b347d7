#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

#include "platform/on_top_message.h"
#include "platform/sim/sim_ui.h"

namespace tavrix {
namespace {

using Lines = std::vector<std::string>;

TEST(SimDesktop, KeysAreTracedAndTracked) {
  SimDesktop desktop;
  desktop.SendKey(16, false);
  EXPECT_TRUE(desktop.IsKeyDown(16));
  desktop.SendKey(16, true);
  EXPECT_FALSE(desktop.IsKeyDown(16));
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"key 16 down", "key 16 up"}));
}

TEST(SimDesktop, CapsLockTogglesOnEachPress) {
  SimDesktop desktop;
  desktop.SetCapsLock(true);
  desktop.SendKey(20, false);
  desktop.SendKey(20, true);
  EXPECT_FALSE(desktop.CapsLockOn());
  desktop.SendKey(20, false);
  EXPECT_TRUE(desktop.CapsLockOn());
}

TEST(SimDesktop, MouseEventsAreTracedInDecimal) {
  SimDesktop desktop;
  desktop.SendMouse(0x800, 0, 0, -360);
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"mouse 2048 0 0 -360"}));
}

TEST(SimDesktop, WaitsMoveTheClockAndTheTickCountAtOnce) {
  SimDesktop desktop;
  desktop.SetClock(LocalDateTime{1999, 12, 31, 23, 59, 59, 500});
  const std::uint32_t tick = desktop.TickCount();
  desktop.Wait(1500);
  desktop.Wait(0);
  const LocalDateTime now = desktop.Now();
  EXPECT_EQ(now.year, 2000);
  EXPECT_EQ(now.month, 1);
  EXPECT_EQ(now.day, 1);
  EXPECT_EQ(now.hour, 0);
  EXPECT_EQ(now.minute, 0);
  EXPECT_EQ(now.second, 1);
  EXPECT_EQ(now.millisecond, 0);
  EXPECT_EQ(desktop.TickCount() - tick, 1500u);
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"wait 1500"}));  // a zero wait leaves no line
}

TEST(SimDesktop, ClockHandlesLeapDays) {
  SimDesktop desktop;
  desktop.SetClock(LocalDateTime{2024, 2, 28, 12, 0, 0, 0});
  desktop.Wait(24 * 3600 * 1000);
  EXPECT_EQ(desktop.Now().month, 2);
  EXPECT_EQ(desktop.Now().day, 29);
  desktop.Wait(24 * 3600 * 1000);
  EXPECT_EQ(desktop.Now().month, 3);
  EXPECT_EQ(desktop.Now().day, 1);
}

TEST(SimDesktop, NewWindowsComeToTheFrontAndTheFirstIsForeground) {
  SimDesktop desktop;
  EXPECT_EQ(desktop.ForegroundWindow(), 0u);
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  const WindowId calc = desktop.AddWindow("Calculator", "CALC.EXE");
  EXPECT_EQ(desktop.ForegroundWindow(), calc);
  EXPECT_EQ(desktop.TopLevelWindows(), (std::vector<WindowId>{calc, notepad}));
  desktop.BringToForeground(notepad);
  EXPECT_EQ(desktop.ForegroundWindow(), notepad);
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"foreground Untitled - Notepad"}));
}

TEST(SimDesktop, FindWindowByTitleWantsTheWholeTitle) {
  SimDesktop desktop;
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad");
  EXPECT_EQ(desktop.FindWindowByTitle("Untitled - Notepad"), notepad);
  EXPECT_EQ(desktop.FindWindowByTitle("Notepad"), 0u);
}

TEST(SimDesktop, WindowsKnowTheirProcessesByModuleName) {
  SimDesktop desktop;
  const WindowId a = desktop.AddWindow("One", "EDITOR.EXE");
  const WindowId b = desktop.AddWindow("Two", "EDITOR.EXE");
  desktop.AddWindow("Three", "OTHER.EXE");
  EXPECT_EQ(desktop.WindowProcess(a), desktop.WindowProcess(b));
  const auto processes = desktop.RunningProcesses();
  ASSERT_EQ(processes.size(), 2u);
  EXPECT_EQ(processes[0].moduleName, "EDITOR.EXE");
  EXPECT_EQ(processes[0].id, desktop.WindowProcess(a));
}

TEST(SimDesktop, ChildWindowsAreNotTopLevel) {
  SimDesktop desktop;
  const WindowId main = desktop.AddWindow("Main");
  const WindowId child = desktop.AddChildWindow(main, "Edit");
  EXPECT_EQ(desktop.ParentWindow(child), main);
  EXPECT_EQ(desktop.TopLevelWindows(), (std::vector<WindowId>{main}));
}

TEST(SimDesktop, WindowStateCommandsChangeTheWindowAndAreTraced) {
  SimDesktop desktop;
  const WindowId back = desktop.AddWindow("Back");
  const WindowId front = desktop.AddWindow("Front", "", Rect{10, 20, 110, 220});
  desktop.SendSysCommand(front, SysCommand::Minimize);
  EXPECT_TRUE(desktop.IsMinimized(front));
  EXPECT_EQ(desktop.ForegroundWindow(), back);  // the next window takes over
  desktop.ShowWindow(front, ShowCommand::Restore);
  EXPECT_FALSE(desktop.IsMinimized(front));
  desktop.MoveWindowTo(front, 50, 60);
  desktop.ResizeWindow(front, 640, 480);
  const Rect rect = desktop.WindowRect(front);
  EXPECT_EQ(rect.left, 50);
  EXPECT_EQ(rect.top, 60);
  EXPECT_EQ(rect.right, 690);
  EXPECT_EQ(rect.bottom, 540);
  desktop.ShowWindow(front, ShowCommand::Hide);
  EXPECT_TRUE(desktop.Window(front)->hidden);
  desktop.SendSysCommand(back, SysCommand::Close);
  EXPECT_EQ(desktop.Window(back), nullptr);
  desktop.PostQuit(front);
  EXPECT_TRUE(desktop.ZOrder().empty());
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"syscommand Front SC_MINIMIZE", "show Front SW_RESTORE",
                                            "setpos Front 50 60", "setsize Front 640 480", "show Front SW_HIDE",
                                            "syscommand Back SC_CLOSE", "quit Front"}));
}

TEST(SimDesktop, LaunchedProgramsOpenTheirWindowAfterTheirDelay) {
  SimDesktop desktop;
  desktop.OnLaunch("notepad", "Untitled - Notepad", "NOTEPAD.EXE", 2000);
  desktop.LaunchProgram("C:\\Windows\\NOTEPAD.EXE", "readme.txt");
  EXPECT_EQ(desktop.FindWindowByTitle("Untitled - Notepad"), 0u);
  desktop.Wait(1999);
  EXPECT_EQ(desktop.FindWindowByTitle("Untitled - Notepad"), 0u);
  desktop.Wait(1);
  const WindowId window = desktop.FindWindowByTitle("Untitled - Notepad");
  ASSERT_NE(window, 0u);
  EXPECT_EQ(desktop.ForegroundWindow(), window);
  EXPECT_EQ(desktop.Trace().Lines().front(), "launch C:\\Windows\\NOTEPAD.EXE readme.txt");
}

TEST(SimDesktop, FilesLiveInMemoryAndFileCommandsChangeThem) {
  SimDesktop desktop;
  desktop.AddFile("a.txt", "hello");
  EXPECT_EQ(desktop.ReadFile("a.txt"), std::optional<std::string>("hello"));
  EXPECT_EQ(desktop.ReadFile("missing.txt"), std::nullopt);
  desktop.CopyFile("a.txt", "b.txt");
  desktop.RenameFile("b.txt", "c.txt");
  desktop.DeleteFile("a.txt");
  EXPECT_EQ(desktop.File("a.txt"), std::nullopt);
  EXPECT_EQ(desktop.File("b.txt"), std::nullopt);
  EXPECT_EQ(desktop.File("c.txt"), std::optional<std::string>("hello"));
  desktop.ChangeFolder("C:\\Temp");
  EXPECT_EQ(desktop.CurrentFolder(), "C:\\Temp");
  EXPECT_EQ(desktop.File("c.txt"), std::nullopt);  // now C:\Temp\c.txt
  EXPECT_EQ(desktop.Trace().Lines(),
            (Lines{"copy a.txt b.txt", "rename b.txt c.txt", "delete a.txt", "chdir C:\\Temp"}));
}

TEST(SimDesktop, RealFilesAreReadOnlyWhenAllowed) {
  SimDesktop desktop;
  EXPECT_EQ(desktop.ReadFile("/etc/hostname"), std::nullopt);
  desktop.SetReadsRealFiles(true);
  EXPECT_EQ(desktop.ReadFile("/nonexistent/file"), std::nullopt);
  EXPECT_EQ(desktop.ReadFile("/"), std::nullopt);  // a folder is not a file
}

TEST(SimDesktop, ClipboardSoundsAndShellAreTraced) {
  SimDesktop desktop;
  desktop.SetClipboardText("a\r\n\tb\\c\x01\xE9");
  desktop.PlayWave("ding.wav", true);
  desktop.PlayWave("ding.wav", false);
  desktop.Beep();
  desktop.OpenAddress("http://example.com");
  EXPECT_EQ(desktop.ClipboardText(), "a\r\n\tb\\c\x01\xE9");
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"clipboard a\\r\\n\\tb\\\\c\\x01\\xE9", "sound ding.wav wait",
                                            "sound ding.wav nowait", "beep", "open http://example.com"}));
}

TEST(SimDesktop, TheMessageHandlerRunsWhenMessagesAreProcessed) {
  SimDesktop desktop;
  int calls = 0;
  desktop.SetMessageHandler([&] { ++calls; });
  desktop.ProcessMessages();
  desktop.Wait(10);
  EXPECT_EQ(calls, 2);
}

TEST(SimDesktop, TraceCanBeTurnedOff) {
  SimDesktop desktop;
  desktop.Trace().SetEnabled(false);
  desktop.SendKey(65, false);
  desktop.Wait(5);
  EXPECT_TRUE(desktop.Trace().Lines().empty());
  EXPECT_TRUE(desktop.IsKeyDown(65));
}

// A small form with a refusing Ok button, as a dialog of the program is built.
class NameForm : public Form {
 public:
  NameForm() : Form("TNameForm", "Name", 200, 80) {
    position = Point{30, 40};
    okButton.onClick = [this] {
      if (nameEdit.text.empty()) return FormReply::Refuse("Error", "A name, please.", nameEdit);
      return FormReply::Close(ModalResult::Ok);
    };
  }
  Edit nameEdit{*this, "NameEdit", {8, 8, 100, 21}};
  Button okButton{*this, "OkButton", {8, 40, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {100, 40, 75, 25}, "&Cancel", ButtonRole::Cancel};
};

TEST(SimUi, AnswersFromItsScriptThenFromTheDefault) {
  SimTrace trace;
  SimUi ui(trace);
  NameForm form;
  ui.AnswerForm("TNameForm", ui.Answer("OkButton"));                        // refused, then the close box
  ui.AnswerForm("TNameForm", ui.Answer("OkButton", {{"NameEdit", "Ann"}}));  // accepted
  ui.AnswerFormAlways("TNameForm", ui.Answer("CancelButton"));
  ui.QueueYesNo(true);
  EXPECT_EQ(ui.RunForm(form), ModalResult::Cancel);
  EXPECT_EQ(ui.RunForm(form), ModalResult::Ok);
  EXPECT_EQ(form.nameEdit.text, "Ann");
  EXPECT_EQ(ui.RunForm(form), ModalResult::Cancel);
  EXPECT_TRUE(ui.AskYesNo("Delete", "Sure?"));
  EXPECT_FALSE(ui.AskYesNo("Delete", "Sure?"));
  TOnTopMessage message("Macro Abort", "Tavrix macro has been aborted.");
  EXPECT_EQ(ui.RunForm(message), ModalResult::Cancel);  // unanswered: its close box
  ASSERT_EQ(ui.Shown("TNameForm").size(), 3u);
  EXPECT_EQ(ui.Shown()[1].caption, "Name");
  EXPECT_EQ(ui.Shown()[2].texts.at("NameEdit"), "Ann");
  EXPECT_EQ(trace.Lines(), (Lines{"form TNameForm \"Name\" at 30,40", "message Error: A name, please.",
                                  "form TNameForm \"Name\" at 30,40", "form TNameForm \"Name\" at 30,40",
                                  "question Delete: Sure?", "question Delete: Sure?",
                                  "message Macro Abort: Tavrix macro has been aborted."}));
}

TEST(SimUi, EndFormClosesTheFormItsScriptKeepsOpen) {
  SimTrace trace;
  SimUi ui(trace);
  NameForm form;
  NameForm other;
  ui.AnswerFormAlways("TNameForm", [&](Form& shown) {
    ui.EndForm(other, ModalResult::Ok);  // not open: nothing
    ui.EndForm(shown, ModalResult::Ok);
  });
  EXPECT_EQ(ui.RunForm(form), ModalResult::Ok);
  EXPECT_EQ(ui.EndFormRequests(), 2);
  EXPECT_FALSE(other.Closed());
}

TEST(SimUi, FileDialogAnswersAndCancels) {
  SimTrace trace;
  SimUi ui(trace);
  ui.QueueFileName(std::string("new.tvx"));
  EXPECT_EQ(ui.AskFileName(FileDialogRequest{"New Tavrix File", "", "TVX", true, ""}), std::optional<std::string>("new.tvx"));
  EXPECT_EQ(ui.AskFileName(FileDialogRequest{"Open Tavrix File", "", "TVX", false, ""}), std::nullopt);
  EXPECT_EQ(trace.Lines(), (Lines{"filedialog New Tavrix File", "filedialog Open Tavrix File"}));
}

}  // namespace
}  // namespace tavrix
