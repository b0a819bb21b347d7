// Mouse, clipboard, text files and the commands handed to the executor.
#include "tests/playback/player_fixture.h"

namespace tavrix {
namespace {

using PlayerMouse = PlayerTest;
using PlayerClipboard = PlayerTest;
using PlayerTextFile = PlayerTest;
using PlayerCommands = PlayerTest;

TEST_F(PlayerMouse, ButtonsSendTheirEvents) {
  EXPECT_EQ(Play("<LDN><LUP><RCLK><MDCLK>"),
            (Lines{"mouse 2 0 0 0", "mouse 4 0 0 0", "mouse 8 0 0 0", "mouse 16 0 0 0", "mouse 32 0 0 0",
                   "mouse 64 0 0 0", "mouse 32 0 0 0", "mouse 64 0 0 0"}));
}

TEST_F(PlayerMouse, DoubleClickWaitsTheMouseDelayOnce) {
  EXPECT_EQ(Play("<SPMSE:0100><LDCLK>"),
            (Lines{"wait 100", "mouse 2 0 0 0", "mouse 4 0 0 0", "mouse 2 0 0 0", "mouse 4 0 0 0"}));
}

TEST_F(PlayerMouse, WheelNotchesAreOneEvent) {
  EXPECT_EQ(Play("<WFW:003><WBW:002>"), (Lines{"mouse 2048 0 0 360", "mouse 2048 0 0 -240"}));
}

TEST_F(PlayerMouse, ScreenMovesScaleTo65536) {
  EXPECT_EQ(Play("<MMS:00000,00000><MMS:00512,00384><MMS:01024,00768>"),
            (Lines{"mouse 32769 0 0 0", "mouse 32769 32768 32768 0", "mouse 32769 65536 65536 0"}));
}

// The system maps units back as units x extent / 65536, rounded down: every
// pixel of a row must come back as itself, whatever the screen's width.
TEST_F(PlayerMouse, EveryPixelOfARowMapsBackToItself) {
  for (const int width : {640, 800, 1024, 1366, 1920, 2560, 3840}) {
    desktop.SetScreenSize(width, 768);
    std::string text;
    for (int x = 0; x < width; ++x) text += "<MMS:" + std::to_string(100000 + x).substr(1) + ",00100>";
    desktop.Trace().Clear();
    const Lines moves = Play(text);
    ASSERT_EQ(moves.size(), static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
      ASSERT_EQ(std::stoll(moves[static_cast<std::size_t>(x)].substr(12)) * width / 65536, x) << "width " << width;
  }
}

struct FarMove {
  int width, height;
  const char* text;
  Lines expected;
};

// Far positions on tiny screens stop at the end of the 32-bit range instead
// of converting an out-of-range number.
TEST_F(PlayerMouse, FarMovesOnTinyScreensStopAtTheRangesEnd) {
  desktop.AddWindow("Front", "", Rect{-99999, -99999, 10, 10});
  const FarMove cases[] = {
      {1, 1, "<MMS:99999,99999>", {"mouse 32769 2147483647 2147483647 0"}},
      {3, 2, "<MMS:99999,00001>", {"mouse 32769 2147483647 32768 0"}},
      {4, 4, "<MMS:99999,99999>", {"mouse 32769 1638383616 1638383616 0"}},
      {1, 1, "<MMW:00000,00001>", {"mouse 32769 -2147483648 -2147483648 0"}},
  };
  for (const FarMove& c : cases) {
    desktop.SetScreenSize(c.width, c.height);
    desktop.Trace().Clear();
    EXPECT_EQ(Play(c.text), c.expected) << c.width << "x" << c.height << " " << c.text;
  }
}

TEST_F(PlayerMouse, TheScreenSizeIsReadAtTheStartOfEachPlayback) {
  desktop.SetScreenSize(800, 600);
  EXPECT_EQ(Play("<MMS:00400,00300>"), (Lines{"mouse 32769 32768 32768 0"}));
}

TEST_F(PlayerMouse, WindowMovesAreRelativeToTheForegroundWindow) {
  desktop.AddWindow("Front", "", Rect{100, 50, 500, 400});
  EXPECT_EQ(Play("<MMW:00000,00000><MMW:00010,00020>"),
            (Lines{"mouse 32769 6400 4267 0", "mouse 32769 7040 5974 0"}));
}

TEST_F(PlayerMouse, MovesWaitTheMouseDelayFirst) {
  EXPECT_EQ(Play("<SPMSE:0005><MMS:00000,00000><WFW:001>"),
            (Lines{"wait 5", "mouse 32769 0 0 0", "wait 5", "mouse 2048 0 0 120"}));
}

TEST_F(PlayerMouse, MouseTagsLeaveOneShotsPending) {
  EXPECT_EQ(Typed("<SHIFT><LCLK>a"), "A");
}

TEST_F(PlayerClipboard, CopyAndPasteAreCtrlShortcuts) {
  EXPECT_EQ(Play("<SPKEY:0050><CLIPC><CLIPP>"),
            (Lines{"key 17 down", "key 67 down", "key 67 up", "key 17 up", "key 17 down", "key 86 down",
                   "key 86 up", "key 17 up", "wait 100"}));
}

TEST_F(PlayerClipboard, CopyDoesNotReleaseAOneShot) {
  EXPECT_EQ(Play("<SHIFT><CLIPC>a"), (Lines{"key 16 down", "key 17 down", "key 67 down", "key 67 up", "key 17 up",
                                            "key 65 down", "key 65 up", "key 16 up"}));
}

TEST_F(PlayerClipboard, ABlockGoesToTheClipboardAndIsNotTyped) {
  EXPECT_EQ(Play("<BEGCLIP>a<b>c<ENDCLIP>"), (Lines{"clipboard a<b>c", "wait 50"}));
  EXPECT_EQ(desktop.ClipboardText(), "a<b>c");
}

TEST_F(PlayerClipboard, TagsInsideABlockAreNotInterpreted) {
  Play("<BEGCLIP><ENTER>\r\n<DELAY:01.00><ENDCLIP>x");
  EXPECT_EQ(desktop.ClipboardText(), "<ENTER>\r\n<DELAY:01.00>");
  EXPECT_EQ(TypedText(desktop.Trace().Lines()), "x");
}

TEST_F(PlayerClipboard, AnUnterminatedBlockLeavesTheClipboardAndTypesNothingMore) {
  desktop.SetClipboardText("before");
  desktop.Trace().Clear();
  EXPECT_EQ(Play("x<BEGCLIP>abc<ENTER>"), (Lines{"key 88 down", "key 88 up"}));
  EXPECT_EQ(desktop.ClipboardText(), "before");
}

TEST_F(PlayerClipboard, ALoneEndClipDoesNothing) {
  EXPECT_EQ(Typed("a<ENDCLIP>b"), "ab");
}

TEST_F(PlayerClipboard, AnEmptyBlockEmptiesTheClipboard) {
  desktop.SetClipboardText("before");
  Play("<BEGCLIP><ENDCLIP>");
  EXPECT_EQ(desktop.ClipboardText(), "");
}

TEST_F(PlayerClipboard, AFileGoesToTheClipboardUpToItsFirstNul) {
  desktop.AddFile("c.txt", std::string("line\r\nnext\0hidden", 17));
  desktop.AddFile("z.txt", "text\x1A");
  EXPECT_EQ(Play("<CLIPF:c.txt><CLIPF:missing.txt><CLIPF:z.txt>"),
            (Lines{"clipboard line\\r\\nnext", "wait 50", "clipboard text", "wait 50"}));
}

TEST_F(PlayerTextFile, ContentsPlayAsMacroText) {
  desktop.AddFile("t.txt", "Hi<ENTER>");
  EXPECT_EQ(Typed("<TFILE:t.txt>!"), "Hi\n!");
}

TEST_F(PlayerTextFile, ATrailingCtrlZIsDropped) {
  desktop.AddFile("t.txt", "ab\x1A");
  EXPECT_EQ(Play("<TFILE:t.txt>"), (Lines{"key 65 down", "key 65 up", "key 66 down", "key 66 up"}));
}

TEST_F(PlayerTextFile, AMissingFileIsSkipped) {
  EXPECT_EQ(Typed("a<TFILE:missing.txt>b"), "ab");
}

TEST_F(PlayerTextFile, AFileThatPlaysItselfStopsAtTheDepthBound) {
  desktop.AddFile("self.txt", "a<TFILE:self.txt>b");
  const std::string typed = Typed("<TFILE:self.txt>");
  EXPECT_EQ(typed, std::string(Player::MaxTextFileDepth, 'a') + std::string(Player::MaxTextFileDepth, 'b'));
}

TEST_F(PlayerTextFile, TheDepthBoundIsPerPlayback) {
  desktop.AddFile("self.txt", "a<TFILE:self.txt>");
  Play("<TFILE:self.txt>");
  desktop.Trace().Clear();
  EXPECT_EQ(Typed("<TFILE:self.txt>"), std::string(Player::MaxTextFileDepth, 'a'));
}

TEST_F(PlayerTextFile, OneShotsOfTheEnclosingTextWaitForItsOwnNextKey) {
  desktop.AddFile("f.txt", "a");
  EXPECT_EQ(Play("<SHIFT><TFILE:f.txt>b"),
            (Lines{"key 16 down", "key 65 down", "key 65 up", "key 66 down", "key 66 up", "key 16 up"}));
}

TEST_F(PlayerTextFile, AOneShotInAFileIsNotReleasedByTheEnclosingText) {
  desktop.AddFile("f.txt", "<CTRL>");
  // Released only at the end of the macro's own text.
  EXPECT_EQ(Play("<TFILE:f.txt>b"), (Lines{"key 17 down", "key 66 down", "key 66 up", "key 17 up"}));
}

TEST_F(PlayerCommands, WindowAndOtherCommandsGoToTheExecutor) {
  const Lines lines = Play(
      "<ACTIVATE:Untitled - Notepad><LAUNCH:notepad.exe<PARAM>a.txt><WSIZE:0640,0480\"CURRENT\"><WMIN:x>"
      "<HTTP:www.example.com><WAV2:ding.wav><BEEP><COPYFILE:a;b><SWAP:other.tvx><REM:note><TEST>");
  EXPECT_EQ(lines, (Lines{"activate Untitled - Notepad", "launch notepad.exe a.txt", "wsize 640 480 \"CURRENT\"",
                          "wmin x", "http www.example.com", "wav2 ding.wav", "beep", "copyfile a b",
                          "swap other.tvx"}));
}

TEST_F(PlayerCommands, TheLaunchTitleIsStoredCutTo30Characters) {
  const std::string title(40, 'T');
  Play("<LAUNCHNO:05" + title + "<LAUNCH:prog.exe>");
  EXPECT_EQ(player.State().launchTitle, std::string(30, 'T'));
  Play("<LAUNCHYES:00Calc<LAUNCH:calc.exe>");
  EXPECT_EQ(player.State().launchTitle, "Calc");
}

TEST_F(PlayerCommands, DateAndTimeTagsAskTheExecutorForTheirText) {
  EXPECT_EQ(Play("<MM/DD/YY{NP001}><hh:mm{Y}>"), (Lines{"date 1 N -1", "time 1 Y"}));
}

}  // namespace
}  // namespace tavrix

namespace tavrix {
namespace {

// Keys still unread when the foreground moves are lost: every step that may
// move it lets the window in front read them first; other steps do not wait.
TEST_F(PlayerTest, EveryStepThatMovesTheForegroundLetsTheWindowInFrontReadTheKeysFirst) {
  const struct {
    const char* tag;
    bool movesForeground;
  } cases[] = {
      {"<ACTIVATE:Other>", true},      {"<LAUNCH:x.exe>", true},  {"<LAUNCHNO:01Title<LAUNCH:x.exe>", true},
      {"<LAUNCHYES:01Title<LAUNCH:x.exe>", true}, {"<WMIN:\"CURRENT\">", true}, {"<WMAX:Other>", true},
      {"<WRES:Other>", true},          {"<WHIDE:Other>", true},   {"<WSHOW:Other>", true},
      {"<WCLS:Other>", true},          {"<WSHUT:Other>", true},   {"<SWAP:other.tvx>", true},
      {"<HTTP:example.com>", true},    {"<FTP:example.com>", true}, {"<PAUSE>", true},
      {"<PROMPTREP>", true},           {"<WSIZE:0100,0100Other>", false}, {"<WPOS:0001,0001Other>", false},
      {"<BEEP>", false},               {"<DELAY:00.01>", false},
  };
  for (const auto& c : cases) {
    desktop.Trace().Clear();
    const Lines lines = Play(std::string("twenty characters typed") + c.tag);
    auto lastKey = std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) { return l.rfind("key ", 0) == 0; });
    ASSERT_NE(lastKey, lines.rend()) << c.tag;
    const auto next = lastKey.base();  // the line after the last key
    if (c.movesForeground) {
      ASSERT_NE(next, lines.end()) << c.tag;
      EXPECT_EQ(*next, "keys read") << c.tag;
    } else {
      EXPECT_EQ(std::count(lines.begin(), lines.end(), "keys read"), 0) << c.tag;
    }
  }
}

}  // namespace
}  // namespace tavrix
