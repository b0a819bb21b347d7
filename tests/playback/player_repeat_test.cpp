// Repeat blocks, the repeat prompt and the repeat counter.
#include "tests/playback/player_fixture.h"

namespace tavrix {
namespace {

using PlayerRepeat = PlayerTest;

TEST_F(PlayerRepeat, BodyPlaysCountTimesWithTheCounter) {
  EXPECT_EQ(Typed("<REPEAT:0003>x<I>,<ENDREP>"), "x1,x2,x3,");
}

TEST_F(PlayerRepeat, CounterIsPaddedToTheTagsWidth) {
  EXPECT_EQ(Typed("<REPEAT:0003><II> <ENDREP>"), "01 02 03 ");
  desktop.Trace().Clear();
  EXPECT_EQ(Typed("<REPEAT:0002><IIII>,<III>,<I>;<ENDREP>"), "0001,001,1;0002,002,2;");
}

TEST_F(PlayerRepeat, WiderNumbersAreTypedWhole) {
  const std::string typed = Typed("<REPEAT:0012><I><ENDREP>");
  EXPECT_EQ(typed, "123456789101112");
}

TEST_F(PlayerRepeat, CountsZeroAndOnePlayTheBodyOnceWithCounterOne) {
  EXPECT_EQ(Typed("<REPEAT:0000>a<I><ENDREP>"), "a1");
  desktop.Trace().Clear();
  EXPECT_EQ(Typed("<REPEAT:0001>a<I><ENDREP>"), "a1");
}

TEST_F(PlayerRepeat, WithoutEndRepTheRestPlaysOnce) {
  EXPECT_EQ(Typed("<REPEAT:0003>ab<I>"), "ab");
}

TEST_F(PlayerRepeat, CounterTagsOutsideABlockTypeNothing) {
  EXPECT_EQ(Typed("<I>a<REPEAT:0002>b<ENDREP><II>c"), "abbc");
}

TEST_F(PlayerRepeat, TextAroundTheBlockPlaysOnce) {
  EXPECT_EQ(Typed("[<REPEAT:0002>-<ENDREP>]"), "[--]");
}

// The passes skip the inner start tag; the last pass is ordinary text of the
// enclosing one, where the inner tag starts a block of its own up to the
// first "<ENDREP>".
TEST_F(PlayerRepeat, AStartTagInsideABodyIsSkippedDuringThePasses) {
  EXPECT_EQ(Typed("<REPEAT:0002>a<REPEAT:0003>b<ENDREP>c<ENDREP>"), "ababbbc");
}

TEST_F(PlayerRepeat, ThePromptAsksForTheCount) {
  AnswerPrompt("3");
  const Lines lines = Play("<PROMPTREP>x<I><ENDREP>");
  EXPECT_EQ(TypedText(lines), "x1x2x3");
  EXPECT_EQ(OtherLines(lines), (Lines{"host main window hidden", "form TRepeatPrompt \"Macro Repeat\"", "host main window shown"}));
}

TEST_F(PlayerRepeat, ThePromptIsShownInsidePassesToo) {
  AnswerPrompt("2");
  AnswerPrompt("9");
  AnswerPrompt("9");
  const Lines lines = Play("<PROMPTREP>a<PROMPTREP>b<ENDREP>");
  // Pass 1 asks and skips; the last pass asks again and starts a block "b"
  // of nine.
  EXPECT_EQ(TypedText(lines), "ababbbbbbbbb");
  int prompts = 0;
  for (const auto& line : lines) prompts += line == "form TRepeatPrompt \"Macro Repeat\"";
  EXPECT_EQ(prompts, 3);
}

TEST_F(PlayerRepeat, ThePromptGivesTheFocusBackToTheWindowInFront) {
  desktop.AddWindow("Untitled - Notepad");
  AnswerPrompt("1");
  EXPECT_EQ(OtherLines(Play("<PROMPTREP><ENDREP>")),
            (Lines{"host main window hidden", "form TRepeatPrompt \"Macro Repeat\"", "host main window shown", "foreground Untitled - Notepad"}));
}

TEST_F(PlayerRepeat, ThePromptInTrayModeShowsTheTaskbarWindow) {
  host.trayMode = true;
  host.minimized = true;
  EXPECT_EQ(OtherLines(Play("<PROMPTREP><ENDREP>")), (Lines{"host taskbar shown", "form TRepeatPrompt \"Macro Repeat\"", "host taskbar hidden"}));
}

TEST_F(PlayerRepeat, ShiftBeforeACounterStaysDownUntilTheNextKeyOfTheOuterText) {
  EXPECT_EQ(Play("<REPEAT:0002><SHIFT><I><ENDREP>x"),
            (Lines{"key 16 down", "key 49 down", "key 49 up",    // pass 1: the digit does not release it
                   "key 16 down", "key 50 down", "key 50 up",    // last pass, part of the outer text
                   "key 88 down", "key 88 up", "key 16 up"}));  // "x" typed with Shift held
}

TEST_F(PlayerRepeat, TheBufferKeepsTheLastBlock) {
  Play("<REPEAT:0004>abc<ENDREP>");
  EXPECT_EQ(player.State().repeatBuffer.count, 4);
  EXPECT_EQ(player.State().repeatBuffer.body, "abc");
  EXPECT_FALSE(player.State().inRepeatPasses);
  EXPECT_FALSE(player.State().lastPass);
}

TEST_F(PlayerRepeat, AbortDuringTheThirdOfFivePassesStopsEverything) {
  AbortAfterKey(88, 3);  // the third "x"
  const Lines lines = Play("<REPEAT:0005>xz<ENDREP>y");
  EXPECT_EQ(TypedText(lines), "xzxzx");
  EXPECT_EQ(Messages(), (Lines{"message Macro Abort: Tavrix macro has been aborted."}));
}

TEST_F(PlayerRepeat, AbortBetweenPassesIsHonouredBeforeTheNextPass) {
  // The abort arrives while the last element of pass 2 is being processed.
  AbortAfterKey(90, 2);
  const Lines lines = Play("<REPEAT:0005>xz<ENDREP>y");
  EXPECT_EQ(TypedText(lines), "xzxz");
  EXPECT_EQ(Messages(), (Lines{"message Macro Abort: Tavrix macro has been aborted."}));
}

}  // namespace
}  // namespace tavrix
