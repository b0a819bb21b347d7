#include "editing/script_compile.h"

#include <gtest/gtest.h>

#include <string>

#include "editing/command_names.h"
#include "editing/script_view.h"

namespace tavrix {
namespace {

std::string RoundTrip(std::string_view text) {
  std::vector<ScriptLine> lines = BuildTheScript(text);
  IndentScript(lines);  // indentation is display only
  return CompileScript(lines);
}

// Realistic macros in the form the editor writes them: they come back byte
// for byte. Together they use every tag of the language.
class CompileRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(CompileRoundTrip, GivesBackTheSameText) { EXPECT_EQ(RoundTrip(GetParam()), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Corpus, CompileRoundTrip,
    ::testing::Values(
        "Dear Sir,\r\n\r\nThank you for your letter of <MM/DD/YY{YP003}>.<ENTER><TAB>Regards<BACKSPACE>",
        "<ACTIVATE:Untitled - Notepad><DELAY:01.50>Hello<ESC><SPACE><LEFT ARROW><RIGHT ARROW><UP ARROW><DOWN ARROW>",
        "<HOME><END><INSERT><DELETE><PAGE UP><PAGE DOWN><LEFTWIN><RIGHTWIN><APP><PRTSCR><F1><F10><F24>",
        "<KEYP0><KEYP9><KEYP.><KEYP/><KEYP*><KEYP-><KEYP+><ATTN><CRSEL><EXSEL><EREOF><PLAY><ZOOM><PA1>",
        "<RIGHT MOUSE><MIDDLE MOUSE><TEST>a<b>c<SHIFT>x<CTRL>v<ALT>f<ALT:065><ALT4:0169>\xe9",
        "<CTLD>c<CTLU><ALTD>\t<ALTU><SHFD>abc<SHFU><WIND>r<WINU>",
        "<PAUSE><PAUSE:005,040Go on when ready><MSD:0250><SPEED:00.50><SPEED:02.00><SPKEY:0050><SPMSE:0010>",
        "<REPEAT:0003>Line <III><ENTER><ENDREP><PROMPTREP><I>,<II>;<IIII><ENDREP>",
        "<REM:set up the report><TEST><BEGCLIP>clip <ENTER> text<ENDCLIP><CLIPC><CLIPP><CLIPF:C:\\TEXT\\A.TXT>",
        "<TFILE:C:\\TEXT\\PART.TXT><SWAP:C:\\MACROS\\OTHER.TVX>",
        "<LAUNCH:C:\\WINDOWS\\NOTEPAD.EXE><LAUNCH:C:\\DOS\\EDIT.EXE<PARAM>a.txt /b>"
        "<LAUNCHNO:05Calculator<LAUNCH:C:\\WINDOWS\\CALC.EXE><LAUNCHYES:10Notepad<LAUNCH:NOTEPAD.EXE<PARAM>x.txt>",
        "<WSHUT:Calc><WHIDE:\"CURRENT\"><WSHOW:Notepad><WMAX:x><WMIN:\"CURRENT\"><WRES:y><WCLS:z>",
        "<WSIZE:0640,0480\"CURRENT\"><WPOS:0010,0020Untitled - Notepad>",
        "<LDN><LUP><LCLK><LDCLK><RDN><RUP><RCLK><RDCLK><MDN><MUP><MCLK><MDCLK><WFW:003><WBW:012>"
        "<MMS:00100,00200><MMW:01024,00768>",
        "<HTTP:http://www.example.com/><FTP:ftp://ftp.example.com><WAV1:C:\\S\\DING.WAV><WAV2:chime.wav><BEEP>",
        "<CHDIR:C:\\WORK><DELFILE:C:\\A\\B.TXT><COPYFILE:C:\\A\\S.TXT;C:\\B\\T.TXT><RENFILE:C:\\O.TXT;N.TXT>",
        "<DD Mmmmm YYYY{NF001}><Day of Week 4{YF000}><hh:mm{Y}><hh:mm:ss am{N}><hh,mma{Y}><YYYYMMDD{YP120}>",
        // Blocks left open compile as they stand.
        "<REPEAT:0002>x<SHFD>y<BEGCLIP>z"));

// Texts the view cannot keep as written come back in the editor's own form.
struct CanonicalCase {
  std::string text;
  std::string compiled;
};

class CompileCanonical : public ::testing::TestWithParam<CanonicalCase> {};

TEST_P(CompileCanonical, RewritesInTheEditorsForm) { EXPECT_EQ(RoundTrip(GetParam().text), GetParam().compiled); }

INSTANTIATE_TEST_SUITE_P(
    Corpus, CompileCanonical,
    ::testing::Values(CanonicalCase{"<MM/DD/YY{Y}>", "<MM/DD/YY{YF000}>"},
                      CanonicalCase{"<MM/DD/YY{NX007}>", "<MM/DD/YY{NF007}>"},
                      CanonicalCase{"<SPEED:00001><SPEED:00002><SPEED:00.25>",
                                    "<SPEED:01.00><SPEED:02.00><SPEED:00.25>"},
                      CanonicalCase{"<DELAY:1.500><DELAY:ab.cd>", "<DELAY:01.50><DELAY:00.00>"},
                      CanonicalCase{"<PAUSE:005x040Go>", "<PAUSE:005,040Go>"},
                      CanonicalCase{"<WSIZE:0640;0480Calc>", "<WSIZE:0640,0480Calc>"},
                      CanonicalCase{"<LAUNCH:x.exe<PARAM>>", "<LAUNCH:x.exe>"},
                      // An unclosed free text loses the text's last character and gets its ">".
                      CanonicalCase{"ab<REM:note", "ab<REM:not>"},
                      CanonicalCase{"<ACTIVATE:" + std::string(300, 'w') + ">",
                                    "<ACTIVATE:" + std::string(255, 'w') + ">"}));

TEST(CompileLine, WritesNothingForAMismatchedRecord) {
  // A button action of another button, or a counter wider than 4.
  EXPECT_EQ(CompileLine(line_kind::LeftMouseButton, MouseRecord{0, 0, 0, mouse_action::RightClick, true}), "");
  EXPECT_EQ(CompileLine(line_kind::RepeatCounter, RepeatRecord{4, 5}), "");
  EXPECT_EQ(CompileScript({{"Nothing known", TextRecord{"x"}}, {"   Text: y", TextRecord{"y"}}}), "y");
}

TEST(CompileLine, PadsNumbersAndKeepsLongerOnesWhole) {
  EXPECT_EQ(CompileLine(line_kind::RepeatStart, RepeatRecord{1, 12345}), "<REPEAT:12345>");
  EXPECT_EQ(CompileLine(line_kind::Delay, DelayRecord{2.0, 7}), "<MSD:0007>");
  EXPECT_EQ(CompileLine(line_kind::Delay, DelayRecord{1.0, 60}), "<DELAY:60.00>");
  EXPECT_EQ(CompileLine(line_kind::LaunchAndActivate, ProgramRecord{3, "Calc", "C.EXE", "", 5}),
            "<LAUNCHNO:05Calc<LAUNCH:C.EXE>");
}

}  // namespace
}  // namespace tavrix
