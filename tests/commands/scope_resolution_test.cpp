#include "playback/scope_resolution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

constexpr int kCode = 65;
constexpr int kOtherCode = 66;

class ScopeResolutionTest : public ::testing::Test {
 protected:
  // Appends a macro to the table; returns its number.
  int AddMacro(std::int16_t scope, const std::string& scopeName = "", int code = kCode, bool active = true,
               bool topMostOnly = false) {
    const int n = table.MacroCount() + 1;
    table.SetScope(n, scope);
    table.SetScopeName(n, scopeName);
    table.SetActivation(n, static_cast<std::uint16_t>(code));
    table.SetActive(n, active ? 1 : 0);
    table.SetTopMostOnly(n, topMostOnly ? 1 : 0);
    table.SetMacroCount(n);
    return n;
  }

  // Publishes the running programs as the dispatcher does.
  void SetPrograms(const std::string& front, const std::vector<std::string>& running) {
    table.SetFrontProgram(front);
    for (std::size_t k = 0; k < running.size(); ++k) table.SetPrograms(static_cast<int>(k) + 1, running[k]);
    table.SetProgramCount(static_cast<std::int32_t>(running.size()));
  }

  int Resolve(int code = kCode) { return GetMacro(table, desktop, code, target); }

  SharedMacroTable table;
  SimDesktop desktop;
  WindowId target = 0;
};

TEST_F(ScopeResolutionTest, NoMacroForTheCodeGivesZero) {
  desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  EXPECT_EQ(Resolve(), 0);
  AddMacro(kScopeGlobal, "", kOtherCode);
  EXPECT_EQ(Resolve(), 0);
}

TEST_F(ScopeResolutionTest, TheLastOfSeveralGlobalMacrosIsChosen) {
  desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  AddMacro(kScopeGlobal);
  const int second = AddMacro(kScopeGlobal);
  EXPECT_EQ(Resolve(), second);
  // Popup menus and system activations count as global candidates too.
  const int popup = AddMacro(kScopePopupMenu);
  EXPECT_EQ(Resolve(), popup);
  const int system = AddMacro(kScopeSystem);
  EXPECT_EQ(Resolve(), system);
}

TEST_F(ScopeResolutionTest, AWindowMacroWhoseWindowIsInFrontBeatsTheGlobals) {
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  AddMacro(kScopeGlobal);
  const int window = AddMacro(kScopeWindow, "notepad", kCode, true, true);
  AddMacro(kScopeGlobal);
  EXPECT_EQ(Resolve(), window);
  EXPECT_EQ(target, notepad);
}

TEST_F(ScopeResolutionTest, AProgramMacroWhoseProgramIsInFrontWins) {
  const WindowId word = desktop.AddWindow("Report.doc", "WINWORD.EXE");
  SetPrograms("WINWORD.EXE", {"WINWORD.EXE", "NOTEPAD.EXE"});
  AddMacro(kScopeProgram, "notepad.exe");
  const int program = AddMacro(kScopeProgram, "winword");
  AddMacro(kScopeGlobal);
  desktop.Trace().Clear();
  EXPECT_EQ(Resolve(), program);
  EXPECT_EQ(target, word);
  EXPECT_TRUE(desktop.Trace().Lines().empty());  // nothing was brought forward
}

TEST_F(ScopeResolutionTest, TheFirstMatchInTableOrderWinsAmongFrontMacros) {
  desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  SetPrograms("NOTEPAD.EXE", {"NOTEPAD.EXE"});
  const int first = AddMacro(kScopeProgram, "NOTEPAD");
  AddMacro(kScopeWindow, "Untitled");
  EXPECT_EQ(Resolve(), first);
}

TEST_F(ScopeResolutionTest, DeactivatedMacrosAreNeverChosen) {
  desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  AddMacro(kScopeWindow, "notepad", kCode, false);
  EXPECT_EQ(Resolve(), 0);
  const int global = AddMacro(kScopeGlobal);
  AddMacro(kScopeGlobal, "", kCode, false);
  EXPECT_EQ(Resolve(), global);
}

TEST_F(ScopeResolutionTest, AnOpenWindowBehindIsBroughtForwardUnlessTopMostOnly) {
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  const WindowId paint = desktop.AddWindow("Paint", "MSPAINT.EXE");
  target = paint;
  const int global = AddMacro(kScopeGlobal);
  const int topMostOnly = AddMacro(kScopeWindow, "notepad", kCode, true, true);
  EXPECT_EQ(Resolve(), global);
  EXPECT_EQ(desktop.ForegroundWindow(), paint);

  table.SetTopMostOnly(topMostOnly, 0);
  EXPECT_EQ(Resolve(), topMostOnly);
  EXPECT_EQ(desktop.ForegroundWindow(), notepad);
  EXPECT_EQ(target, notepad);
}

TEST_F(ScopeResolutionTest, AWindowMacroWhoseWindowIsClosedFallsBackToTheGlobal) {
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  AddMacro(kScopeWindow, "Wordpad");
  const int global = AddMacro(kScopeGlobal);
  EXPECT_EQ(Resolve(), global);
}

// A window or program macro without a scope name names no window and no
// program, in front or behind.
TEST_F(ScopeResolutionTest, AnEmptyScopeNameNeverBeatsTheGlobal) {
  desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  SetPrograms("NOTEPAD.EXE", {"NOTEPAD.EXE"});
  AddMacro(kScopeWindow, "");
  AddMacro(kScopeProgram, "");
  const int global = AddMacro(kScopeGlobal);
  EXPECT_EQ(Resolve(), global);
}

TEST_F(ScopeResolutionTest, ARunningProgramIsBroughtForward) {
  const WindowId word = desktop.AddWindow("Report.doc", "WINWORD.EXE");
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  SetPrograms("MSPAINT.EXE", {"MSPAINT.EXE", "WINWORD.EXE"});
  AddMacro(kScopeGlobal);
  const int program = AddMacro(kScopeProgram, "winword.exe");
  EXPECT_EQ(Resolve(), program);
  EXPECT_EQ(desktop.ForegroundWindow(), word);
  EXPECT_EQ(target, word);
}

TEST_F(ScopeResolutionTest, AProgramNotInTheRunningListIsNotTried) {
  desktop.AddWindow("Report.doc", "WINWORD.EXE");
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  SetPrograms("MSPAINT.EXE", {"MSPAINT.EXE"});  // the published list is what counts
  AddMacro(kScopeProgram, "winword");
  const int global = AddMacro(kScopeGlobal);
  EXPECT_EQ(Resolve(), global);
}

TEST_F(ScopeResolutionTest, ARunningProgramWinsEvenWhenItsWindowCannotBeActivated) {
  desktop.AddProcess("SERVICE.EXE");
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  SetPrograms("MSPAINT.EXE", {"MSPAINT.EXE", "SERVICE.EXE"});
  const int program = AddMacro(kScopeProgram, "service");
  AddMacro(kScopeGlobal);
  EXPECT_EQ(Resolve(), program);
}

TEST_F(ScopeResolutionTest, APauseBoxInFrontSkipsTheFrontCheck) {
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  desktop.AddWindow("Pause (Ctrl+Alt+A)", "TAVRXP.EXE");
  SetPrograms("TAVRXP.EXE", {"TAVRXP.EXE", "NOTEPAD.EXE"});
  AddMacro(kScopeWindow, "pause", kCode, true, true);  // would match the pause box's title
  const int global = AddMacro(kScopeGlobal);
  EXPECT_EQ(Resolve(), global);

  // A window macro whose window is open elsewhere still wins, and is brought forward.
  const int notepadMacro = AddMacro(kScopeWindow, "notepad");
  EXPECT_EQ(Resolve(), notepadMacro);
  EXPECT_EQ(target, notepad);
}

TEST_F(ScopeResolutionTest, OnlyTheTwentyCharactersOfTheTableScopeNameAreCompared) {
  const WindowId report = desktop.AddWindow("Quarterly Report 2024 draft", "EXCEL.EXE");
  const int window = AddMacro(kScopeWindow, "Quarterly Report 2024 final");  // table keeps "Quarterly Report 202"
  EXPECT_EQ(table.ScopeName(window), "Quarterly Report 202");
  EXPECT_EQ(Resolve(), window);
  EXPECT_EQ(target, report);
}

TEST_F(ScopeResolutionTest, ADamagedMacroCountIsKeptInsideTheTable) {
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  const int global = AddMacro(kScopeGlobal);
  table.SetMacroCount(100000);
  table.SetProgramCount(-5);
  EXPECT_EQ(Resolve(), global);
  table.SetMacroCount(-1);
  EXPECT_EQ(Resolve(), 0);
}

}  // namespace
}  // namespace tavrix
