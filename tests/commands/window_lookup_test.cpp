#include "playback/window_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_desktop.h"

namespace tavrix {
namespace {

class WindowLookupTest : public ::testing::Test {
 protected:
  SimDesktop desktop;
  WindowId target = 0;
};

TEST_F(WindowLookupTest, ExactTitleBeatsAnEarlierSubstringMatch) {
  const WindowId exact = desktop.AddWindow("Notepad", "NOTEPAD.EXE");
  const WindowId longer = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");  // in front, listed first
  EXPECT_EQ(GetWinHandle(desktop, "Notepad"), exact);
  // FindWindow ignores letter case, so these are exact titles too.
  EXPECT_EQ(GetWinHandle(desktop, "notepad"), exact);
  EXPECT_EQ(GetWinHandle(desktop, "NOTEPAD"), exact);
  EXPECT_EQ(GetWinHandle(desktop, "otepad"), longer);  // no exact title: first substring in list order
}

TEST_F(WindowLookupTest, SubstringMatchIgnoresCaseAndFollowsTheSystemOrder) {
  desktop.AddWindow("Calculator", "CALC.EXE");
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  EXPECT_EQ(GetWinHandle(desktop, "notepad"), notepad);
  EXPECT_EQ(GetWinHandle(desktop, "TITLED - NOTE"), notepad);
  EXPECT_EQ(GetWinHandle(desktop, "wordpad"), std::nullopt);
}

TEST_F(WindowLookupTest, HiddenWindowsAreFoundAndActivated) {
  const WindowId hidden = desktop.AddWindow("Secret Tool", "TOOL.EXE");
  desktop.SetHidden(hidden, true);
  desktop.AddWindow("Other", "OTHER.EXE");
  EXPECT_EQ(GetWinHandle(desktop, "secret"), hidden);
  EXPECT_TRUE(ActivateIt(desktop, "secret", target));
  EXPECT_EQ(desktop.ForegroundWindow(), hidden);
  EXPECT_EQ(target, hidden);
}

TEST_F(WindowLookupTest, OnlyTheFirst255CharactersOfATitleCount) {
  const std::string longTitle = std::string(255, 'a') + "TAIL";
  desktop.AddWindow(longTitle, "");
  EXPECT_EQ(GetWinHandle(desktop, "tail"), std::nullopt);
  EXPECT_NE(GetWinHandle(desktop, std::string(255, 'A')), std::nullopt);
  // A search text longer than 255 characters is cut, so it still finds the window.
  EXPECT_NE(GetWinHandle(desktop, std::string(300, 'a')), std::nullopt);
}

TEST_F(WindowLookupTest, ActivateItRestoresAMinimisedWindowAndMakesItTheTarget) {
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  desktop.SetMinimized(notepad, true);
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  desktop.Trace().Clear();
  ASSERT_TRUE(ActivateIt(desktop, "notepad", target));
  EXPECT_EQ(target, notepad);
  EXPECT_EQ(desktop.ForegroundWindow(), notepad);
  EXPECT_FALSE(desktop.Window(notepad)->minimized);
  EXPECT_EQ(desktop.Trace().Lines(),
            (std::vector<std::string>{"show Untitled - Notepad SW_RESTORE", "foreground Untitled - Notepad"}));
}

TEST_F(WindowLookupTest, ActivateItWithoutAWindowChangesNothing) {
  const WindowId paint = desktop.AddWindow("Paint", "MSPAINT.EXE");
  target = paint;
  desktop.Trace().Clear();
  EXPECT_FALSE(ActivateIt(desktop, "notepad", target));
  EXPECT_EQ(target, paint);
  EXPECT_TRUE(desktop.Trace().Lines().empty());
}

TEST_F(WindowLookupTest, ActivateProgTakesTheFirstTitledWindowOfTheFirstMatchingProcess) {
  const ProcessId word = desktop.AddProcess("WINWORD.EXE");
  desktop.AddProcess("NOTEPAD.EXE");
  const WindowId untitled = desktop.AddWindow("", "WINWORD.EXE");
  const WindowId document = desktop.AddWindow("Report.doc - Word", "WINWORD.EXE");
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  ASSERT_EQ(desktop.WindowProcess(untitled), word);
  EXPECT_EQ(FindProgramProcess(desktop, "winword"), word);
  EXPECT_TRUE(ActivateProg(desktop, "WINWORD", target));
  EXPECT_EQ(target, document);
  EXPECT_EQ(desktop.ForegroundWindow(), document);
}

TEST_F(WindowLookupTest, ActivateProgFailsWithoutProcessOrTitledWindow) {
  desktop.AddProcess("SERVICE.EXE");  // runs without any window
  const WindowId paint = desktop.AddWindow("Paint", "MSPAINT.EXE");
  target = paint;
  EXPECT_FALSE(ActivateProg(desktop, "SERVICE", target));
  EXPECT_FALSE(ActivateProg(desktop, "EXCEL", target));
  EXPECT_EQ(target, paint);
  EXPECT_EQ(desktop.ForegroundWindow(), paint);
}

TEST_F(WindowLookupTest, WindowForTagHandlesEmptyAndCurrent) {
  const WindowId back = desktop.AddWindow("Back", "");
  const WindowId front = desktop.AddWindow("Front", "");
  EXPECT_EQ(WindowForTag(desktop, ""), std::nullopt);
  EXPECT_EQ(WindowForTag(desktop, "\"CURRENT\""), front);
  EXPECT_EQ(WindowForTag(desktop, "back"), back);
  // Any other spelling is an ordinary title.
  EXPECT_EQ(WindowForTag(desktop, "\"current\""), std::nullopt);
  EXPECT_EQ(WindowForTag(desktop, "CURRENT"), std::nullopt);
  const WindowId current = desktop.AddWindow("The CURRENT one", "");
  EXPECT_EQ(WindowForTag(desktop, "CURRENT"), current);
}

TEST(UpperCaseText, ChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCaseText("abc XYZ 1-2 \xe9"), "ABC XYZ 1-2 \xe9");
}

}  // namespace
}  // namespace tavrix
