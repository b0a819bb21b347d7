#include "hook/hot_key_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "base/hot_key_table.h"
#include "base/virtual_keys.h"

namespace tavrix::hook {
namespace {

Modifiers mods(const std::string& letters) {
  Modifiers m;
  m.ctrl = letters.find('c') != std::string::npos;
  m.alt = letters.find('a') != std::string::npos;
  m.shift = letters.find('s') != std::string::npos;
  m.win = letters.find('w') != std::string::npos;
  return m;
}

std::uint16_t codeNamed(const char* name) {
  const auto code = FindHotKey(name);
  EXPECT_TRUE(code.has_value()) << name;
  return code.value_or(0xFFFF);
}

// Every code's own keys, fed back, give that code and no other: the decoding
// and the look-up agree, and no two codes share a combination.
TEST(HotKeyLookup, EveryCodeComesBackFromItsOwnKeys) {
  for (int code = 0; code < kHotKeyCount; ++code) {
    const DecodedHotKey key = DecipherKey(code);
    const Modifiers modifiers{key.shift, key.ctrl, key.alt, key.win};
    const auto found = key.mouseButton != kNoMouseButton
                           ? HotKeyCodeForButton(key.mouseButton, modifiers)
                           : HotKeyCodeFor(key.virtualKey, modifiers);
    ASSERT_TRUE(found.has_value()) << code << " " << HotKeyName(code);
    EXPECT_EQ(*found, code) << HotKeyName(code);
  }
}

TEST(HotKeyLookup, ModifierKeysAloneAreNeverHotKeys) {
  for (std::uint16_t code = 0; code < 256; ++code) {
    if (!vk::isModifier(code)) continue;
    for (unsigned combination = 0; combination < kModifierCombinations; ++combination) {
      const Modifiers m{(combination & 4) != 0, (combination & 1) != 0, (combination & 2) != 0,
                        (combination & 8) != 0};
      EXPECT_FALSE(HotKeyCodeFor(code, m).has_value()) << code << " " << combination;
    }
  }
}

TEST(HotKeyLookup, CombinationsOutsideTheTableHaveNoCode) {
  EXPECT_FALSE(HotKeyCodeFor('A', mods("")));       // typing
  EXPECT_FALSE(HotKeyCodeFor('A', mods("s")));      // a capital letter
  EXPECT_FALSE(HotKeyCodeFor('7', mods("s")));      // "&"
  EXPECT_FALSE(HotKeyCodeFor('A', mods("ws")));     // Win+Shift is no prefix
  EXPECT_FALSE(HotKeyCodeFor('A', mods("wcas")));
  EXPECT_FALSE(HotKeyCodeFor(9, mods("")));         // plain Tab
  EXPECT_FALSE(HotKeyCodeFor(9, mods("a")));        // Alt+Tab stays the system's
  EXPECT_FALSE(HotKeyCodeFor(46, mods("ca")));      // Ctrl+Alt+Delete
  EXPECT_FALSE(HotKeyCodeFor(190, mods("")));       // "."
  EXPECT_FALSE(HotKeyCodeFor(190, mods("s")));
  EXPECT_FALSE(HotKeyCodeFor(27, mods("c")));       // only plain ESC has a code
  EXPECT_FALSE(HotKeyCodeFor(vk::kPause, mods("")));
  EXPECT_FALSE(HotKeyCodeFor(300, mods("c")));      // beyond the key codes
  EXPECT_FALSE(HotKeyCodeForButton(0, mods("c")));
  EXPECT_FALSE(HotKeyCodeForButton(4, mods("")));
  EXPECT_FALSE(HotKeyCodeForButton(1, mods("w")));
  EXPECT_FALSE(HotKeyCodeForButton(1, mods("cas")));
}

TEST(HotKeyLookup, NamedCodesOfTheLetterBlocks) {
  EXPECT_EQ(HotKeyCodeFor('A', mods("c")), 0);
  EXPECT_EQ(HotKeyCodeFor('0', mods("c")), 26);
  EXPECT_EQ(HotKeyCodeFor(123, mods("c")), 47);  // Ctrl+F12
  EXPECT_EQ(HotKeyCodeFor('W', mods("cas")), 262);
  EXPECT_EQ(HotKeyCodeFor('H', mods("cs")), codeNamed("Ctrl+Shift+H"));
  EXPECT_EQ(HotKeyCodeFor('A', mods("wc")), codeNamed("Win+Ctrl+A"));
  EXPECT_EQ(HotKeyCodeFor(112, mods("")), codeNamed("F1"));
  EXPECT_EQ(HotKeyCodeFor(112, mods("s")), codeNamed("Shift+F1"));
  EXPECT_EQ(HotKeyCodeFor(27, mods("")), 698);
}

// Navigation keys have codes both alone and with modifiers; keypad keys are
// their own virtual keys, apart from the digits and signs of the main block.
TEST(HotKeyLookup, NavigationAndKeypadKeysAreTheirOwn) {
  EXPECT_EQ(HotKeyCodeFor(36, mods("")), codeNamed("Home"));
  EXPECT_EQ(HotKeyCodeFor(36, mods("c")), codeNamed("Ctrl+Home"));
  EXPECT_EQ(HotKeyCodeFor(45, mods("")), codeNamed("Insert"));
  EXPECT_EQ(HotKeyCodeFor(45, mods("cas")), codeNamed("Ctrl+Alt+Shift+Insert"));
  EXPECT_EQ(HotKeyCodeFor(46, mods("")), codeNamed("Delete"));
  EXPECT_EQ(HotKeyCodeFor(46, mods("as")), codeNamed("Alt+Shift+Delete"));
  EXPECT_EQ(HotKeyCodeFor(33, mods("")), codeNamed("Page Up"));
  EXPECT_EQ(HotKeyCodeFor(34, mods("s")), codeNamed("Shift+Page Down"));
  EXPECT_EQ(HotKeyCodeFor(37, mods("")), codeNamed("Left Arrow"));
  EXPECT_EQ(HotKeyCodeFor(37, mods("cas")), codeNamed("Ctrl+Alt+Shift+Left Arro"));
  EXPECT_EQ(HotKeyCodeFor(40, mods("cas")), codeNamed("Ctrl+Alt+Shift+Down Arro"));

  EXPECT_EQ(HotKeyCodeFor(96, mods("")), codeNamed("KeyPad 0"));
  EXPECT_EQ(HotKeyCodeFor(96, mods("c")), codeNamed("Ctrl+Keypad 0"));
  EXPECT_EQ(HotKeyCodeFor(105, mods("ca")), codeNamed("Ctrl+Alt+Keypad 9"));
  EXPECT_FALSE(HotKeyCodeFor('0', mods("")));
  EXPECT_NE(HotKeyCodeFor('0', mods("c")), HotKeyCodeFor(96, mods("c")));

  EXPECT_EQ(HotKeyCodeFor(111, mods("")), codeNamed("KeyPad /"));
  EXPECT_EQ(HotKeyCodeFor(111, mods("s")), codeNamed("Shift+KeyPad /"));
  EXPECT_EQ(HotKeyCodeFor(106, mods("cs")), codeNamed("Ctrl+Shift+Keypad *"));
  EXPECT_EQ(HotKeyCodeFor(109, mods("a")), codeNamed("Alt+Keypad -"));
  EXPECT_EQ(HotKeyCodeFor(107, mods("cas")), codeNamed("Ctrl+Alt+Shift+Keypad +"));
  EXPECT_EQ(HotKeyCodeFor(191, mods("c")), codeNamed("Ctrl+/"));
  EXPECT_EQ(HotKeyCodeFor(189, mods("c")), codeNamed("Ctrl+-"));
}

TEST(HotKeyLookup, MouseButtonsWithTheirSevenPrefixes) {
  EXPECT_EQ(HotKeyCodeForButton(1, mods("")), 699);
  EXPECT_EQ(HotKeyCodeForButton(1, mods("s")), codeNamed("Shift+LMouse"));
  EXPECT_EQ(HotKeyCodeForButton(2, mods("c")), codeNamed("Ctrl+RMouse"));
  EXPECT_EQ(HotKeyCodeForButton(3, mods("as")), codeNamed("Shift+Alt+MMouse"));
  EXPECT_EQ(HotKeyCodeForButton(3, mods("ca")), 718);
}

}  // namespace
}  // namespace tavrix::hook
