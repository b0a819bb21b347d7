#include "editing/script_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/command_names.h"

namespace tavrix {
namespace {

std::vector<std::string> Shown(std::string_view text) {
  std::vector<ScriptLine> lines = BuildTheScript(text);
  IndentScript(lines);
  std::vector<std::string> shown;
  for (const ScriptLine& line : lines) shown.push_back(line.display);
  return shown;
}

struct ViewCase {
  std::string text;
  std::vector<std::string> lines;
};

class ScriptViewTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(ScriptViewTest, ShowsTheLines) { EXPECT_EQ(Shown(GetParam().text), GetParam().lines) << GetParam().text; }

const std::string k50(50, 'x');

INSTANTIATE_TEST_SUITE_P(
    Families, ScriptViewTest,
    ::testing::Values(
        ViewCase{"", {}},
        // Keystroke tags stay in the run; a command tag ends it.
        ViewCase{"abc<ENTER>def", {"Text: abc<ENTER>def"}},
        ViewCase{"abc<DELAY:01.00>def", {"Text: abc", "Delay 1.00 Seconds", "Text: def"}},
        ViewCase{"<ALT:065><ALT4:0169><ALT><SHIFT>a<CTRL><F12>", {"Text: <ALT:065><ALT4:0169><ALT><SHIFT>a<CTRL><F12>"}},
        ViewCase{"<KEYP*><PA1><PRTSCR><ALTD>", {"Text: <KEYP*><PA1><PRTSCR>", "Alt Key Down"}},
        ViewCase{"a<b>c<DELAY:1.5><F25>", {"Text: a<b>c<DELAY:1.5><F25>"}},
        ViewCase{"<RIGHT MOUSE><TEST>", {"Text: <RIGHT MOUSE><TEST>"}},
        // Run lengths: 53 shows 50 with nothing after, 54 shows "...".
        ViewCase{k50 + "abc", {"Text: " + k50}},
        ViewCase{k50 + "abcd", {"Text: " + k50 + "..."}},
        ViewCase{k50, {"Text: " + k50}},
        // Keys held down.
        ViewCase{"<CTLD>c<CTLU><ALTD><ALTU><SHFD><SHFU><WIND><WINU>",
                 {"Control Key Down", "   Text: c", "Control Key Up", "Alt Key Down", "Alt Key Up", "Shift Key Down",
                  "Shift Key Up", "Win Key Down", "Win Key Up"}},
        // Mouse.
        ViewCase{"<LDN><LUP><LCLK><LDCLK><RCLK><MDCLK><WFW:003><WBW:012><MMS:00100,00200><MMW:01024,00768>",
                 {"Left Mouse Button Down", "Left Mouse Button Up", "Left Mouse Button Click",
                  "Left Mouse Button Double Click", "Right Mouse Button Click", "Middle Mouse Button Double Click",
                  "Mouse Wheel 3 Clicks Forward", "Mouse Wheel 12 Clicks Backward", "Mouse Move Screen 100,200",
                  "Mouse Move Window 1024,768"}},
        // Timing and flow.
        ViewCase{"<PAUSE><PAUSE:005,040Go><MSD:0250><DELAY:12.34>",
                 {"Pause: Basic", "Pause: Complex", "Delay 250 Milliseconds", "Delay 12.34 Seconds"}},
        ViewCase{"<REPEAT:0003>x<I><II><III><IIII><ENDREP><PROMPTREP>y<ENDREP>",
                 {"Repeat Start: 3", "   Text: x", "   Repeat Counter: Width 1", "   Repeat Counter: Width 2",
                  "   Repeat Counter: Width 3", "   Repeat Counter: Width 4", "Repeat End",
                  "Repeat Prompt Start: (prompt for repeat count at macro play time)", "   Text: y", "Repeat End"}},
        ViewCase{"<SPKEY:0050><SPMSE:0000><SPEED:01.00><SPEED:00.50><SPEED:02.50><SPEED:02.25><SPEED:00.00>",
                 {"Keystroke Speed: 50 Milliseconds", "Mouse Speed: 0 Milliseconds", "Macro Playback Speed: Normal Speed",
                  "Macro Playback Speed: 2 Times Faster Than Normal",
                  "Macro Playback Speed: 2.5 Times Slower Than Normal",
                  "Macro Playback Speed: 2.25 Times Slower Than Normal", "Macro Playback Speed: No Speed"}},
        // Windows.
        ViewCase{"<WMIN:\"CURRENT\"><WMAX:Notepad><WRES:x><WCLS:x><WHIDE:\"CURRENT\"><WSHOW:y><WSHUT:Calc>",
                 {"Minimize Window - Current Win", "Maximize Window - Window Title: Notepad",
                  "Restore Window - Window Title: x", "Close Window - Window Title: x", "Hide Window - Current Win",
                  "Show Window - Window Title: y", "Shut Down Program - Window Title: Calc"}},
        ViewCase{"<WSIZE:0640,0480\"CURRENT\"><WPOS:0010,0020Notepad>",
                 {"Resize Window - Current Win (Width: 640 Height: 480)",
                  "Reposition Window - \"Notepad\" (Left: 10 Top: 20)"}},
        // Programs.
        ViewCase{"<ACTIVATE:Untitled - Notepad><LAUNCH:C:\\DOS\\EDIT.EXE<PARAM>a.txt><LAUNCH:calc.exe>"
                 "<LAUNCHNO:05Calc<LAUNCH:C:\\W\\CALC.EXE><LAUNCHYES:10Note<LAUNCH:C:\\W\\NOTEPAD.EXE<PARAM>x>",
                 {"Activate Window: \"Untitled - Notepad\"", "Launch Program: EDIT.EXE", "Launch Program: calc.exe",
                  "Launch and Activate: CALC.EXE", "Activate or Launch: NOTEPAD.EXE"}},
        // Clipboard, sounds, files, names.
        ViewCase{"<BEGCLIP>abc<ENDCLIP><CLIPC><CLIPP><CLIPF:C:\\T\\A.TXT>",
                 {"Clipboard Start Copy", "   Text: abc", "Clipboard End Copy", "Clipboard Copy", "Clipboard Paste",
                  "Clipboard File Copy: A.TXT"}},
        ViewCase{"<BEEP><WAV1:C:\\S\\DING.WAV><WAV2:chime.wav>",
                 {"Sound Beep", "Sound Wave File: DING.WAV", "Sound Wave File: chime.wav"}},
        ViewCase{"<CHDIR:C:\\WORK><DELFILE:C:\\A\\B.TXT><COPYFILE:C:\\A\\S.TXT;C:\\B\\T.TXT><RENFILE:C:\\O.TXT;N.TXT>",
                 {"Change Directory/Folder: C:\\WORK", "Delete File: B.TXT", "Copy File: S.TXT", "Rename File: O.TXT"}},
        ViewCase{"<SWAP:C:\\M\\OTHER.TVX><TFILE:C:\\T\\PART.TXT><HTTP:http://example.com><FTP:ftp://example.com>"
                 "<REM:short><REM:" + std::string(44, 'r') + "><REM:" + std::string(43, 'q') + ">",
                 {"Load New Macro File: OTHER.TVX", "Load Text File: PART.TXT", "Web Site: http://example.com",
                  "Web FTP: ftp://example.com", "Remark: short", "Remark: " + std::string(40, 'r') + "...",
                  "Remark: " + std::string(43, 'q')}},
        // Dates and times.
        ViewCase{"<MM/DD/YY{YF000}><MM/DD/YY{YP003}><DD Mmmmm YYYY{NF001}><MM/DD/YY{Y}><Day of Week 3{YF000}>",
                 {"Date: MM/DD/YY  (03/30/98)", "Date (3 days in past): MM/DD/YY  (03/30/98)",
                  "Date (1 day in future): DD Mmmmm YYYY  (30 March 1998)", "Date: MM/DD/YY  (03/30/98)",
                  "Date: Day of Week 3  (Monday)"}},
        ViewCase{"<hh:mm{Y}><hh:mm:ss am{N}><hh:mm AM{N}><hh:mma{Y}>",
                 {"Time: hh:mm  (15:04)", "Time: hh:mm:ss am  (3:04:23 pm)", "Time: hh:mm AM  (3:04 PM)",
                  "Time: hh:mma  (3:04p)"}},
        // Indentation: an unmatched end stays at depth 0; blocks nest.
        ViewCase{"<ENDREP>a<REPEAT:0002><SHFD><BEGCLIP>b<ENDCLIP><SHFU><ENDREP>c",
                 {"Repeat End", "Text: a", "Repeat Start: 2", "   Shift Key Down", "      Clipboard Start Copy",
                  "         Text: b", "      Clipboard End Copy", "   Shift Key Up", "Repeat End", "Text: c"}},
        // A free text with no ">" ends the scan one character short of the end.
        ViewCase{"x<REM:abcd", {"Text: x", "Remark: abc"}},
        // The text ends at its first NUL.
        ViewCase{std::string("ab\0<BEEP>", 9), {"Text: ab"}}));

TEST(ScriptViewRecords, KeepWhatTheTagsSay) {
  const std::vector<ScriptLine> lines = BuildTheScript(
      "<LAUNCH:C:\\DOS\\EDIT.EXE<PARAM>a.txt b><PAUSE:005,040Go><MM/DD/YY{NP012}><WSIZE:0640,0480Calc>"
      "<COPYFILE:a;b><WFW:007>");
  ASSERT_EQ(lines.size(), 6u);
  const auto& program = std::get<ProgramRecord>(lines[0].record);
  EXPECT_EQ(program.programKind, 2);
  EXPECT_EQ(program.path, "C:\\DOS\\EDIT.EXE");
  EXPECT_EQ(program.parameters, "a.txt b");
  const auto& pause = std::get<PauseRecord>(lines[1].record);
  EXPECT_EQ(pause.top, 5);
  EXPECT_EQ(pause.left, 40);
  EXPECT_EQ(pause.message, "Go");
  const auto& date = std::get<DateTimeRecord>(lines[2].record);
  EXPECT_FALSE(date.leadingZeros);
  EXPECT_FALSE(date.future);
  EXPECT_EQ(date.dayOffset, 12);
  const auto& size = std::get<WindowSizeRecord>(lines[3].record);
  EXPECT_EQ(size.title, "Calc");
  EXPECT_EQ(size.first, 640);
  EXPECT_EQ(size.second, 480);
  const auto& copy = std::get<FileRecord>(lines[4].record);
  EXPECT_EQ(copy.secondPath, "b");
  const auto& wheel = std::get<MouseRecord>(lines[5].record);
  EXPECT_EQ(wheel.amount, 7);
  EXPECT_TRUE(wheel.windowRelative);
}

TEST(CommandNames, KindComesBackFromEveryDisplay) {
  for (int kind = 1; kind <= kCommandCount; ++kind) {
    const std::string display = LineDisplay(kind, RecordForKind(kind));
    EXPECT_EQ(LineKindOf("      " + display + "  "), kind) << display;
  }
  EXPECT_EQ(LineKindOf("Nothing"), 0);
  EXPECT_EQ(LineKindOf("text: lower case"), 0);
}

}  // namespace
}  // namespace tavrix
