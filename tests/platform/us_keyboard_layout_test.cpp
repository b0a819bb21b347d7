#include "platform/sim/us_keyboard_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrix {
namespace {

TEST(UsKeyboardLayout, LettersAreTheirUpperCaseKeyWithShiftForCapitals) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    EXPECT_EQ(UsKeyScan(static_cast<unsigned char>(letter)), 0x100 | letter) << letter;
    EXPECT_EQ(UsKeyScan(static_cast<unsigned char>(letter - 'A' + 'a')), letter) << letter;
  }
}

TEST(UsKeyboardLayout, DigitsComeFromTheMainRowNotTheKeypad) {
  for (char digit = '0'; digit <= '9'; ++digit) EXPECT_EQ(UsKeyScan(static_cast<unsigned char>(digit)), digit);
}

TEST(UsKeyboardLayout, ShiftedPunctuationOfTheDigitRowAndTheOemKeys) {
  const struct {
    char character;
    int expected;
  } cases[] = {
      {'!', 0x131}, {'@', 0x132}, {'#', 0x133}, {'$', 0x134}, {'%', 0x135}, {'^', 0x136}, {'&', 0x137},
      {'*', 0x138}, {'(', 0x139}, {')', 0x130}, {'_', 0x1BD}, {'+', 0x1BB}, {'{', 0x1DB}, {'}', 0x1DD},
      {'|', 0x1DC}, {':', 0x1BA}, {'"', 0x1DE}, {'<', 0x1BC}, {'>', 0x1BE}, {'?', 0x1BF}, {'~', 0x1C0},
  };
  for (const auto& c : cases) EXPECT_EQ(UsKeyScan(static_cast<unsigned char>(c.character)), c.expected) << c.character;
}

TEST(UsKeyboardLayout, UnshiftedPunctuationUsesTheOemKeys) {
  const struct {
    char character;
    int expected;
  } cases[] = {
      {';', 0xBA}, {'=', 0xBB}, {',', 0xBC}, {'-', 0xBD}, {'.', 0xBE}, {'/', 0xBF},
      {'`', 0xC0}, {'[', 0xDB}, {'\\', 0xDC}, {']', 0xDD}, {'\'', 0xDE}, {' ', 0x20},
  };
  for (const auto& c : cases) EXPECT_EQ(UsKeyScan(static_cast<unsigned char>(c.character)), c.expected) << c.character;
}

TEST(UsKeyboardLayout, ControlCharactersAnswerAsWindowsDoes) {
  EXPECT_EQ(UsKeyScan(8), 0x008);    // backspace
  EXPECT_EQ(UsKeyScan(9), 0x009);    // tab
  EXPECT_EQ(UsKeyScan(13), 0x00D);   // carriage return
  EXPECT_EQ(UsKeyScan(10), 0x20D);   // line feed: Ctrl+Enter
  EXPECT_EQ(UsKeyScan(27), 0x01B);   // escape wins over Ctrl+[
  EXPECT_EQ(UsKeyScan(3), 0x003);    // the layout's Cancel key
  EXPECT_EQ(UsKeyScan(1), 0x241);    // Ctrl+A
  EXPECT_EQ(UsKeyScan(26), 0x25A);   // Ctrl+Z
  EXPECT_EQ(UsKeyScan(28), 0x2DC);   // Ctrl+backslash
  EXPECT_EQ(UsKeyScan(29), 0x2DD);   // Ctrl+]
  EXPECT_EQ(UsKeyScan(30), 0x336);   // Shift+Ctrl+6
  EXPECT_EQ(UsKeyScan(31), 0x3BD);   // Shift+Ctrl+minus
  EXPECT_EQ(UsKeyScan(127), 0x208);  // Ctrl+Backspace
}

TEST(UsKeyboardLayout, NoKeyForTheUpperHalf) {
  for (int ch = 128; ch < 256; ++ch) EXPECT_EQ(UsKeyScan(static_cast<unsigned char>(ch)), -1) << ch;
}

TEST(UsKeyboardLayout, EveryPrintableCharacterHasAKeyWithoutCtrl) {
  for (int ch = 32; ch < 127; ++ch) {
    const int scan = UsKeyScan(static_cast<unsigned char>(ch));
    ASSERT_NE(scan, -1) << ch;
    EXPECT_LE(scan >> 8, 1) << ch;
  }
}

}  // namespace
}  // namespace tavrix
