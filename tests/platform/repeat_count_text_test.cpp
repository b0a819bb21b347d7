#include "platform/repeat_count_text.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(RepeatCountText, WholeNumbersAreAccepted) {
  EXPECT_EQ(RepeatCountFromText("5"), 5);
  EXPECT_EQ(RepeatCountFromText("0"), 0);
  EXPECT_EQ(RepeatCountFromText("9999"), 9999);
  EXPECT_EQ(RepeatCountFromText("+7"), 7);
  EXPECT_EQ(RepeatCountFromText("0012"), 12);
}

TEST(RepeatCountText, SurroundingBlanksAndControlCharactersAreTrimmed) {
  EXPECT_EQ(RepeatCountFromText("  12 "), 12);
  EXPECT_EQ(RepeatCountFromText("\t3\r\n"), 3);
  EXPECT_EQ(TrimRepeatCountText(" \t 4 2 \n"), "4 2");
}

TEST(RepeatCountText, TheCountIsTheLowSixteenBits) {
  EXPECT_EQ(RepeatCountFromText("-1"), 65535);
  EXPECT_EQ(RepeatCountFromText("65536"), 0);
  EXPECT_EQ(RepeatCountFromText("70000"), 70000 - 65536);
  EXPECT_EQ(RepeatCountFromText("2147483647"), 0xFFFF);
  EXPECT_EQ(RepeatCountFromText("-2147483648"), 0);
}

TEST(RepeatCountText, AnythingElseIsRefused) {
  EXPECT_FALSE(RepeatCountFromText(""));
  EXPECT_FALSE(RepeatCountFromText("   "));
  EXPECT_FALSE(RepeatCountFromText("-"));
  EXPECT_FALSE(RepeatCountFromText("+"));
  EXPECT_FALSE(RepeatCountFromText("abc"));
  EXPECT_FALSE(RepeatCountFromText("1a"));
  EXPECT_FALSE(RepeatCountFromText("1 2"));
  EXPECT_FALSE(RepeatCountFromText("1.5"));
  EXPECT_FALSE(RepeatCountFromText("--1"));
  EXPECT_FALSE(RepeatCountFromText("$10"));
}

TEST(RepeatCountText, NumbersOutsideThe32BitRangeAreRefused) {
  EXPECT_FALSE(RepeatCountFromText("2147483648"));
  EXPECT_FALSE(RepeatCountFromText("-2147483649"));
  EXPECT_FALSE(RepeatCountFromText("99999999999999999999999"));
}

}  // namespace
}  // namespace tavrix
