// Key synthesis and the keyboard questions of the real desktop.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_desktop.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

using wintest::EditWindow;
using wintest::PumpUntil;
using wintest::TextOf;

constexpr std::uint8_t kShift = 0x10;

// Types `text` the way playback types plain characters: the key the layout
// gives, with Shift around it when the layout says so.
void TypeText(Win32Desktop& desktop, const std::string& text) {
  for (unsigned char c : text) {
    const std::int16_t scan = desktop.KeyScan(c);
    ASSERT_NE(scan, -1) << "no key for " << static_cast<int>(c);
    const auto vk = static_cast<std::uint8_t>(scan & 0xFF);
    const bool shift = (scan & 0x100) != 0;
    if (shift) desktop.SendKey(kShift, false);
    desktop.SendKey(vk, false);
    desktop.SendKey(vk, true);
    if (shift) desktop.SendKey(kShift, true);
  }
}

class DesktopInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(target_.edit(), nullptr);
    desktop_.BringToForeground(target_.id());
    ASSERT_EQ(GetForegroundWindow(), target_.handle());
    SetFocus(target_.edit());
    // Wine brings the key state in line with the X server's when the focus
    // events of the switch arrive; let them pass before keys are sent.
    desktop_.Wait(100);
  }

  // Waits (bounded) until the edit holds `expected`, then returns its text.
  std::string TypedText(const std::string& expected) {
    PumpUntil([&] { return TextOf(target_.edit()).size() >= expected.size(); }, 3000);
    desktop_.Wait(30);  // anything still arriving would show up as extra text
    return TextOf(target_.edit());
  }

  Win32Desktop desktop_;
  EditWindow target_{"Tavrix typing target"};
};

TEST_F(DesktopInput, TypesLettersShiftedPunctuationAndTabIntoAnEdit) {
  const std::string text = "Hello, World! a+b=c @#$%^&*_ \"quoted\" ?:{}|~\tend";
  TypeText(desktop_, text);
  EXPECT_EQ(TypedText(text), text);
  EXPECT_FALSE(desktop_.IsKeyDown(kShift));
}

TEST_F(DesktopInput, EnterAndBackspaceAreKeysLikeAnyOther) {
  TypeText(desktop_, "abx");
  desktop_.SendKey(0x08, false);  // Backspace
  desktop_.SendKey(0x08, true);
  TypeText(desktop_, "c\rd");
  EXPECT_EQ(TypedText("abc\r\nd"), "abc\r\nd");
}

TEST_F(DesktopInput, HeldKeysShowAsDownUntilReleased) {
  // F13 types nothing. (Wine keeps the modifier keys' state in step with the
  // X server, so a synthesised Shift does not show as held there.)
  constexpr std::uint8_t kF13 = 0x7C;
  EXPECT_FALSE(desktop_.IsKeyDown(kF13));
  desktop_.SendKey(kF13, false);
  EXPECT_TRUE(desktop_.IsKeyDown(kF13));
  desktop_.SendKey(kF13, true);
  EXPECT_FALSE(desktop_.IsKeyDown(kF13));
}

TEST_F(DesktopInput, CapsLockTogglesWithEachPress) {
  const bool before = desktop_.CapsLockOn();
  desktop_.SendKey(0x14, false);
  desktop_.SendKey(0x14, true);
  PumpUntil([&] { return desktop_.CapsLockOn() != before; }, 1000);
  EXPECT_NE(desktop_.CapsLockOn(), before);
  desktop_.SendKey(0x14, false);
  desktop_.SendKey(0x14, true);
  PumpUntil([&] { return desktop_.CapsLockOn() == before; }, 1000);
  EXPECT_EQ(desktop_.CapsLockOn(), before);
}

TEST(DesktopKeyScan, AnswersTheKeyAndShiftStateOfTheForegroundLayout) {
  Win32Desktop desktop;
  EXPECT_EQ(desktop.KeyScan('a'), 0x41);
  EXPECT_EQ(desktop.KeyScan('A'), 0x141);
  EXPECT_EQ(desktop.KeyScan('7'), 0x37);
  EXPECT_EQ(desktop.KeyScan('&'), 0x137);
  EXPECT_EQ(desktop.KeyScan(' '), 0x20);
  EXPECT_EQ(desktop.KeyScan('\t'), 0x09);
  EXPECT_EQ(desktop.KeyScan('\r'), 0x0D);
  EXPECT_EQ(desktop.KeyScan(';'), 0xBA);
  EXPECT_EQ(desktop.KeyScan(':'), 0x1BA);
  EXPECT_EQ(desktop.KeyScan('?'), 0x1BF);
  EXPECT_EQ(desktop.KeyScan('('), 0x139);
  EXPECT_EQ(desktop.KeyScan(')'), 0x130);
  EXPECT_EQ(desktop.KeyScan('<'), 0x1BC);
}

TEST(DesktopKeyScan, CharactersWithoutAKeyAnswerMinusOne) {
  Win32Desktop desktop;
  EXPECT_EQ(desktop.KeyScan(0xA7), -1);  // section sign: not on a US keyboard
  EXPECT_EQ(desktop.KeyScan(0xE9), -1);  // e acute
}

}  // namespace
}  // namespace tavrix
