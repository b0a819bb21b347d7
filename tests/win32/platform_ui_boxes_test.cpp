// The program's own forms as the one Windows binding builds them: the pause
// box, the repeat prompt and the top-most message, answered by a timer as a
// user would.
#include <gtest/gtest.h>

#include <cstring>

#include "playback/pause_box.h"
#include "playback/repeat_prompt.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_ui.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

using wintest::ChildRect;
using wintest::FindChild;
using wintest::FindOwnWindow;
using wintest::PostClick;
using wintest::TimerScript;

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

bool IsTopMost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class UiBoxes : public ::testing::Test {
 protected:
  void SetUp() override { wintest::TakeQuit(); }
  void TearDown() override { EXPECT_EQ(wintest::TakeQuit(), -1) << "a script gave up"; }
  Win32Ui ui_;
};

// A pause box at 100, 80 on the screen.
struct BasicPause : TPauseMacro {
  explicit BasicPause(std::string caption = "Pause (Ctrl+F1)", std::string message = "")
      : TPauseMacro(std::move(caption), "My Macro", std::move(message), Point{100, 80}, 1024, 768) {}
};

bool ShowPause(Win32Ui& ui, TPauseMacro& box) { return ui.RunForm(box) == ModalResult::Ok; }

std::uint16_t AskRepeatCount(Win32Ui& ui) {
  TRepeatPrompt prompt;
  ui.RunForm(prompt);
  return prompt.count;
}

struct PauseSeen {
  bool shown = false;
  RECT rect{};
  bool topMost = false;
  bool inFront = false;
  bool pauseOpen = false;
  bool labels = false;
  HWND resume = nullptr;
  HWND abort = nullptr;
  HWND message = nullptr;
  SIZE client{};
};

// Looks the pause box over; false while it is not there yet.
bool LookAtPause(const Win32Ui& ui, const char* caption, PauseSeen& seen, HWND& box) {
  box = FindOwnWindow(caption);
  if (box == nullptr) return false;
  seen.shown = true;
  GetWindowRect(box, &seen.rect);
  seen.topMost = IsTopMost(box);
  seen.inFront = GetForegroundWindow() == box;
  seen.pauseOpen = ui.FormOpen();
  seen.labels = FindChild(box, "Static", "Tavrix Pause") != nullptr && FindChild(box, "Static", "My Macro") != nullptr;
  seen.resume = FindChild(box, "Button", "&Resume");
  seen.abort = FindChild(box, "Button", "&Abort");
  seen.client = ClientSize(box);
  return true;
}

TEST_F(UiBoxes, PauseBoxShowsInFrontAndEndFormClosesItWithResume) {
  PauseSeen seen;
  BasicPause pause;
  TimerScript user([&] {
    HWND box = nullptr;
    if (!LookAtPause(ui_, "Pause (Ctrl+F1)", seen, box)) return false;
    ui_.EndForm(pause, ModalResult::Ok);  // as the hot key handler does while the box is open
    return true;
  });
  EXPECT_TRUE(ShowPause(ui_, pause));
  EXPECT_TRUE(user.finished());
  EXPECT_TRUE(seen.shown);
  EXPECT_EQ(seen.rect.left, 100);
  EXPECT_EQ(seen.rect.top, 80);
  EXPECT_TRUE(seen.topMost);
  EXPECT_TRUE(seen.inFront);
  EXPECT_TRUE(seen.pauseOpen);
  EXPECT_TRUE(seen.labels);
  EXPECT_NE(seen.resume, nullptr);
  EXPECT_NE(seen.abort, nullptr);
  EXPECT_FALSE(ui_.FormOpen());
  EXPECT_EQ(FindOwnWindow("Pause (Ctrl+F1)"), nullptr);
}

TEST_F(UiBoxes, PauseBoxAbortAndTheCloseBoxBothStopTheMacro) {
  TimerScript clickAbort([&] {
    HWND box = FindOwnWindow("Pause (Ctrl+F1)");
    if (box == nullptr) return false;
    PostClick(FindChild(box, "Button", "&Abort"));
    return true;
  });
  BasicPause pause;
  EXPECT_FALSE(ShowPause(ui_, pause));
  EXPECT_TRUE(clickAbort.finished());
}

TEST_F(UiBoxes, PauseBoxCloseBoxStopsTheMacroAndResumeButtonContinuesIt) {
  {
    TimerScript closeIt([&] {
      HWND box = FindOwnWindow("Pause (Ctrl+F1)");
      if (box == nullptr) return false;
      PostMessageA(box, WM_CLOSE, 0, 0);
      return true;
    });
    BasicPause pause;
    EXPECT_FALSE(ShowPause(ui_, pause));
    EXPECT_TRUE(closeIt.finished());
  }
  TimerScript clickResume([&] {
    HWND box = FindOwnWindow("Pause (Ctrl+F1)");
    if (box == nullptr) return false;
    PostClick(FindChild(box, "Button", "&Resume"));
    return true;
  });
  BasicPause pause;
  EXPECT_TRUE(ShowPause(ui_, pause));
  EXPECT_TRUE(clickResume.finished());
}

TEST_F(UiBoxes, PauseBoxGrowsByTheMessageLabelAndKeepsTheButtonsAtTheBottom) {
  PauseSeen basic;
  {
    BasicPause pause;
    TimerScript user([&] {
      HWND box = nullptr;
      if (!LookAtPause(ui_, "Pause (Ctrl+F1)", basic, box)) return false;
      ui_.EndForm(pause, ModalResult::Ok);
      return true;
    });
    ShowPause(ui_, pause);
  }
  BasicPause withMessage("Pause", std::string(65, 'm'));  // three lines: 2 * 19 + 19
  PauseSeen seen;
  RECT messageRect{};
  RECT resumeRect{};
  TimerScript user([&] {
    HWND box = nullptr;
    if (!LookAtPause(ui_, "Pause", seen, box)) return false;
    HWND label = FindChild(box, "Static", withMessage.messageLabel.text.c_str());
    if (label != nullptr) messageRect = ChildRect(label);
    if (seen.resume != nullptr) resumeRect = ChildRect(seen.resume);
    ui_.EndForm(withMessage, ModalResult::Ok);
    return true;
  });
  EXPECT_TRUE(ShowPause(ui_, withMessage));
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(messageRect.bottom - messageRect.top, 57);
  EXPECT_EQ((seen.rect.bottom - seen.rect.top) - (basic.rect.bottom - basic.rect.top), 57);
  EXPECT_EQ(seen.rect.right - seen.rect.left, basic.rect.right - basic.rect.left);
  // The buttons sit 52 pixels above the bottom of a 94 + 57 pixel box.
  EXPECT_EQ(resumeRect.top, 94 + 57 - 52);
  EXPECT_LE(resumeRect.bottom, seen.client.cy);
  EXPECT_GT(resumeRect.top, messageRect.bottom - 1);
  EXPECT_EQ(seen.client.cx, basic.client.cx);
  // With the classic dialog frame Wine draws, the box has its nominal size.
  EXPECT_EQ(basic.rect.right - basic.rect.left, TPauseMacro::kWidth);
  EXPECT_EQ(basic.rect.bottom - basic.rect.top, TPauseMacro::kBasicHeight);
}

TEST_F(UiBoxes, AQuitWhilePausedEndsTheBoxAndStaysForTheMainLoop) {
  TimerScript quitter([&] {
    if (FindOwnWindow("Pause (Ctrl+F1)") == nullptr) return false;
    PostQuitMessage(3);
    return true;
  });
  BasicPause pause;
  EXPECT_FALSE(ShowPause(ui_, pause));
  EXPECT_EQ(wintest::TakeQuit(), 3);
  EXPECT_FALSE(ui_.FormOpen());
}

// The width of a control's text in the font the control draws it with.
int TextWidthIn(HWND control, const char* text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

TEST_F(UiBoxes, RepeatPromptAnswersTheNumberTypedAndShowsItsWholeLabel) {
  SIZE client{};
  bool focusInEdit = false;
  RECT labelRect{};
  RECT editRect{};
  int labelTextWidth = 0;
  TimerScript user([&] {
    HWND prompt = FindOwnWindow("Macro Repeat");
    if (prompt == nullptr) return false;
    client = ClientSize(prompt);
    HWND edit = FindChild(prompt, "Edit");
    focusInEdit = edit != nullptr && GetFocus() == edit;
    HWND label = FindChild(prompt, "Static", "Times To Repeat");
    EXPECT_NE(label, nullptr);
    if (label != nullptr) {
      labelRect = ChildRect(label);
      labelTextWidth = TextWidthIn(label, "Times To Repeat");
    }
    editRect = ChildRect(edit);
    SetWindowTextA(edit, "12");
    PostClick(FindChild(prompt, "Button", "&Ok"));
    return true;
  });
  EXPECT_EQ(AskRepeatCount(ui_), 12);
  EXPECT_TRUE(user.finished());
  EXPECT_GE(client.cx, 167);
  EXPECT_GE(client.cy, 56);
  EXPECT_TRUE(focusInEdit);
  // The label is one line as wide as its text, left of the edit.
  EXPECT_GT(labelTextWidth, 0);
  EXPECT_GE(labelRect.right - labelRect.left, labelTextWidth);
  EXPECT_LE(labelRect.right, editRect.left);
}

TEST_F(UiBoxes, RepeatPromptTakesTheAnswerFromTheKeyboard) {
  Win32Desktop desktop;
  TimerScript user([&] {
    HWND prompt = FindOwnWindow("Macro Repeat");
    if (prompt == nullptr || GetForegroundWindow() != prompt) return false;
    // A user types 2, 5 and Enter, which presses the default button.
    for (std::uint8_t key : {std::uint8_t{'2'}, std::uint8_t{'5'}, std::uint8_t{0x0D}}) {
      desktop.SendKey(key, false);
      desktop.SendKey(key, true);
    }
    return true;
  });
  EXPECT_EQ(AskRepeatCount(ui_), 25);
  EXPECT_TRUE(user.finished());
}

TEST_F(UiBoxes, RepeatPromptRefusesTextThatIsNotANumberAndStaysOpen) {
  int step = 0;
  bool errorShown = false;
  bool promptStayed = false;
  std::size_t limit = 0;
  TimerScript user([&] {
    HWND prompt = FindOwnWindow("Macro Repeat");
    if (prompt == nullptr) return false;
    HWND edit = FindChild(prompt, "Edit");
    switch (step) {
      case 0:
        limit = static_cast<std::size_t>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
        SetWindowTextA(edit, "abc");
        PostClick(FindChild(prompt, "Button", "&Ok"));
        step = 1;
        return false;
      case 1: {
        HWND error = FindOwnWindow("Error");
        if (error == nullptr) return false;
        errorShown = FindChild(error, "Static", "Invalid numeric value entered.  Please Correct") != nullptr;
        PostMessageA(error, WM_COMMAND, IDOK, 0);
        step = 2;
        return false;
      }
      default:
        if (FindOwnWindow("Error") != nullptr) return false;
        promptStayed = true;
        SetWindowTextA(edit, " 7 ");
        PostMessageA(prompt, WM_CLOSE, 0, 0);  // the close box also accepts a number
        return true;
    }
  });
  EXPECT_EQ(AskRepeatCount(ui_), 7);
  EXPECT_TRUE(user.finished());
  EXPECT_TRUE(errorShown);
  EXPECT_TRUE(promptStayed);
  EXPECT_EQ(limit, 4u);
}

TEST_F(UiBoxes, TopMostMessageShowsOnceAndDropsASecondWhileOpen) {
  Win32Desktop desktop;
  wintest::TestProgramWindows windows(nullptr);
  ForegroundHandover handover(desktop, ui_, windows);
  SIZE client{};
  bool topMost = false;
  bool label = false;
  int boxesDuringSecond = -1;
  TimerScript user([&] {
    HWND box = FindOwnWindow("Macro Abort");
    if (box == nullptr) return false;
    client = ClientSize(box);
    topMost = IsTopMost(box);
    label = FindChild(box, "Static", "Tavrix macro has been aborted.") != nullptr;
    handover.DoAMessage("Second", "dropped");  // returns at once
    boxesDuringSecond = static_cast<int>(wintest::OwnWindowsTitled("Second").size());
    EXPECT_TRUE(handover.MessageOpen());
    PostClick(FindChild(box, "Button", "&Ok"));
    return true;
  });
  handover.DoAMessage("Macro Abort", "Tavrix macro has been aborted.");
  EXPECT_TRUE(user.finished());
  EXPECT_EQ(client.cx, 235);
  EXPECT_EQ(client.cy, 130);
  EXPECT_TRUE(topMost);
  EXPECT_TRUE(label);
  EXPECT_EQ(boxesDuringSecond, 0);
  EXPECT_FALSE(handover.MessageOpen());
  EXPECT_EQ(FindOwnWindow("Macro Abort"), nullptr);
}

TEST_F(UiBoxes, PlainMessageBoxesAndYesNoQuestions) {
  TimerScript user([&] {
    HWND box = FindOwnWindow("Warning");
    if (box == nullptr) return false;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return true;
  });
  ui_.ShowMessage("Warning", "Careful.");
  EXPECT_TRUE(user.finished());

  for (int answer : {IDYES, IDNO}) {
    TimerScript answerer([&] {
      HWND box = FindOwnWindow("Delete");
      if (box == nullptr) return false;
      PostMessageA(box, WM_COMMAND, answer, 0);
      return true;
    });
    EXPECT_EQ(ui_.AskYesNo("Delete", "Delete this macro?"), answer == IDYES);
    EXPECT_TRUE(answerer.finished());
  }
}

}  // namespace
}  // namespace tavrix
