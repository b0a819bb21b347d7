// Waits, the speed factor and the key and mouse delays.
#include "tests/playback/player_fixture.h"

namespace tavrix {
namespace {

using PlayerTiming = PlayerTest;

TEST_F(PlayerTiming, DelayWaitsItsSecondsAtSpeedOne) {
  EXPECT_EQ(Play("<DELAY:01.50>"), (Lines{"wait 1500"}));
}

TEST_F(PlayerTiming, DecimalSecondsDoNotLoseAMillisecondToRounding) {
  EXPECT_EQ(Play("<DELAY:00.57><DELAY:00.29><DELAY:99.99>"), (Lines{"wait 570", "wait 290", "wait 99990"}));
}

TEST_F(PlayerTiming, MillisecondDelay) {
  EXPECT_EQ(Play("<MSD:0250><MSD:0000>"), (Lines{"wait 250"}));
}

TEST_F(PlayerTiming, SpeedZeroSkipsEveryScaledWaitAndBothDelays) {
  EXPECT_EQ(OtherLines(Play("<SPEED:00000><SPKEY:0100><SPMSE:0100><DELAY:01.50><MSD:0250>a<LCLK>")),
            (Lines{"mouse 2 0 0 0", "mouse 4 0 0 0"}));
}

TEST_F(PlayerTiming, SpeedTwoDoublesScaledWaitsAndDelays) {
  EXPECT_EQ(OtherLines(Play("<SPEED:00002><DELAY:01.50><MSD:0250><SPKEY:0010>a<SPMSE:0007><LCLK>")),
            (Lines{"wait 3000", "wait 500", "wait 20", "wait 14", "mouse 2 0 0 0", "mouse 4 0 0 0"}));
}

TEST_F(PlayerTiming, CaptureAndEditorSpeedSpellings) {
  EXPECT_EQ(Play("<SPEED:00.50><MSD:1000><SPEED:00.25><MSD:1000><SPEED:01.00><MSD:1000><SPEED:00001><MSD:1000>"),
            (Lines{"wait 500", "wait 250", "wait 1000", "wait 1000"}));
}

TEST_F(PlayerTiming, AnUnconvertibleSpeedLeavesTheFactorAsItWas) {
  EXPECT_EQ(Play("<SPEED:00002><SPEED:0x.50><MSD:0100><SPEED: 1.00><MSD:0100><SPEED:1.2.3><MSD:0100>"),
            (Lines{"wait 200", "wait 200", "wait 200"}));
}

TEST_F(PlayerTiming, MillisecondWaitsAreTruncated) {
  EXPECT_EQ(Play("<SPEED:00.33><MSD:0010>"), (Lines{"wait 3"}));
}

TEST_F(PlayerTiming, FixedSettlingWaitsIgnoreTheSpeedFactor) {
  EXPECT_EQ(OtherLines(Play("<SPEED:00000><CLIPP><BEGCLIP>x<ENDCLIP>")), (Lines{"wait 100", "clipboard x", "wait 50"}));
}

TEST_F(PlayerTiming, SettingsDoNotOutliveAPlayback) {
  Play("<SPEED:00002><SPKEY:0100><SPMSE:0100>");
  desktop.Trace().Clear();
  EXPECT_EQ(OtherLines(Play("a<LCLK><MSD:0010>")), (Lines{"mouse 2 0 0 0", "mouse 4 0 0 0", "wait 10"}));
}

TEST_F(PlayerTiming, WaitsLongerThan32BitsWaitTheLongest32BitWait) {
  EXPECT_EQ(Play("<SPEED:99999><DELAY:99.99>"), (Lines{"wait 4294967295"}));
  desktop.Trace().Clear();
  EXPECT_EQ(Play("<SPEED:99999><MSD:9999>"), (Lines{"wait 999890001"}));  // still within the range
}

TEST_F(PlayerTiming, TheClockMovesWithTheWaits) {
  desktop.SetClock(LocalDateTime{2024, 5, 1, 23, 59, 59, 0});
  Play("<DELAY:02.00>");
  EXPECT_EQ(desktop.Now().day, 2);
  EXPECT_EQ(desktop.Now().second, 1);
}

}  // namespace
}  // namespace tavrix
