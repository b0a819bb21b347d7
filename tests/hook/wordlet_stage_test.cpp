// The Wordlet characters through the whole pipeline: what the user types is
// posted with the Caps Lock state, starts over where the text breaks, and
// nothing is reported for the program's own keys, for hot keys or while no
// macro has a Wordlet.
#include <gtest/gtest.h>

#include <string>

#include "base/hot_key_table.h"
#include "base/private_messages.h"
#include "base/virtual_keys.h"
#include "hook/hook_pipeline.h"
#include "hook/key_character_map.h"
#include "tests/support/german_key_scan.h"

namespace tavrix::hook {
namespace {

constexpr std::uint32_t kMain = 0x1000;

class WordletStageTest : public ::testing::Test {
 protected:
  WordletStageTest() {
    settings.mainWindow = kMain;
    settings.hasWordlets = true;
  }

  // Presses and releases each key in turn (a key held is pressed "+vk" and
  // released "-vk" in `keys`) and answers the Wordlet posts, as characters;
  // '|' stands for a start-over and '^' before a character for Caps Lock on.
  std::string Reported(std::initializer_list<int> keys, bool marked = false) {
    std::string seen;
    for (int k : keys) {
      if (k > 1000) {
        collect(pipeline.decide(InputEvent::key(static_cast<std::uint16_t>(k - 1000), false, marked), settings), seen);
      } else if (k < -1000) {
        collect(pipeline.decide(InputEvent::key(static_cast<std::uint16_t>(-k - 1000), true, marked), settings), seen);
      } else if (k < 0) {
        collect(pipeline.decide(InputEvent::click(static_cast<std::uint8_t>(-k), false, marked), settings), seen);
        collect(pipeline.decide(InputEvent::click(static_cast<std::uint8_t>(-k), true, marked), settings), seen);
      } else {
        collect(pipeline.decide(InputEvent::key(static_cast<std::uint16_t>(k), false, marked), settings), seen);
        collect(pipeline.decide(InputEvent::key(static_cast<std::uint16_t>(k), true, marked), settings), seen);
      }
    }
    return seen;
  }

  static void collect(const HookOutcome& outcome, std::string& seen) {
    for (const HookPost& post : outcome.posts) {
      if (post.message != kMsgWordletChar) continue;
      EXPECT_EQ(post.window, kMain);
      if (post.wParam == kWordletReset) {
        seen += '|';
        continue;
      }
      if (post.wParam == kWordletCapsOn) seen += '^';
      seen += static_cast<char>(post.lParam);
    }
  }

  HookSettings settings;
  HookPipeline pipeline;
};

constexpr int Down(int vk) { return 1000 + vk; }
constexpr int Up(int vk) { return -1000 - vk; }

TEST_F(WordletStageTest, TypedCharactersAsTheUsLayoutTypesThem) {
  const struct {
    const char* name;
    std::initializer_list<int> keys;
    const char* reported;
  } cases[] = {
      {"letters", {'S', 'I', 'G'}, "sig"},
      {"shifted letter", {Down(vk::kShift), 'S', Up(vk::kShift), 'I'}, "Si"},
      {"shifted digits and punctuation", {Down(vk::kLeftShift), '1', '2', 190, 187, Up(vk::kLeftShift), 186, 186},
       "!@>+;;"},
      {"space, Enter, Backspace, Tab", {32, 13, 8, 9}, " \r\b\t"},
      {"keypad", {96, 105, 106, 107, 109, 110, 111}, "09*+-./"},
      {"Caps Lock on types capitals and says so", {vk::kCapital, 'A', Down(vk::kShift), 'B', Up(vk::kShift), '1'},
       "^A^b^1"},
      {"a click starts over", {'A', -1, 'B', -2}, "a|b|"},
      {"cursor and editing keys start over", {'A', 37, 36, 46, 27, 45, 34}, "a||||||"},
      {"a key with Ctrl or Alt starts over", {Down(vk::kControl), 'V', Up(vk::kControl), Down(vk::kMenu), 'X', Up(vk::kMenu), 'Y'},
       "||y"},
      {"modifiers and function keys alone report nothing", {vk::kShift, vk::kControl, vk::kLeftWin, 112}, ""},
  };
  for (const auto& c : cases) {
    pipeline = HookPipeline();
    EXPECT_EQ(Reported(c.keys), c.reported) << c.name;
  }
}

// With the layout of the window in front known, a key reports what it types
// there: Y and Z change places, AltGr+Q is @ (not a start-over), a key the
// layout gives no character reports nothing, and Backspace, Enter and the
// keypad read as everywhere.
TEST_F(WordletStageTest, TypedCharactersAsTheLayoutInFrontTypesThem) {
  static const KeyCharacterMap german = KeyCharacterMap::build(test_support::GermanKeyScan);
  settings.layout = &german;
  const struct {
    const char* name;
    std::initializer_list<int> keys;
    const char* reported;
  } cases[] = {
      {"swapped letters", {'Z', 'Y', Down(vk::kShift), 'Z', Up(vk::kShift)}, "yzY"},
      {"AltGr", {Down(vk::kLeftControl), Down(vk::kRightMenu), 'Q', Up(vk::kRightMenu), Up(vk::kLeftControl), 'Q'},
       "@q"},
      {"AltGr on a key without such a character starts over", {Down(vk::kLeftControl), Down(vk::kRightMenu), 'W'}, "|"},
      {"keys of the layout's own", {0xDE, Down(vk::kShift), 0xDE, 0xDB, Up(vk::kShift), 0xBF}, "\xE4\xC4?#"},
      {"a key the layout types nothing with", {186}, ""},
      {"Backspace, Enter and the keypad", {8, 13, 96, 107}, "\b\r0+"},
  };
  for (const auto& c : cases) {
    pipeline = HookPipeline();
    EXPECT_EQ(Reported(c.keys), c.reported) << c.name;
  }
}

TEST_F(WordletStageTest, NothingForTheProgramsOwnKeys) {
  EXPECT_EQ(Reported({'S', 'I', 'G', 8, 32}, /*marked=*/true), "");
  EXPECT_EQ(Reported({-1}, /*marked=*/true), "");
}

TEST_F(WordletStageTest, NothingWhileNoMacroHasAWordlet) {
  settings.hasWordlets = false;
  EXPECT_EQ(Reported({'S', 'I', 'G', -1, 37}), "");
}

TEST_F(WordletStageTest, AHotKeyIsSwallowedBeforeItCouldBeTyped) {
  settings.hotKeyUsed[FindHotKey("F1").value()] = 1;
  settings.hotKeyUsed[FindHotKey("Alt+S").value()] = 1;
  EXPECT_EQ(Reported({'A', 112, 'B', Down(vk::kMenu), 'S', Up(vk::kMenu)}), "ab");
}

}  // namespace
}  // namespace tavrix::hook
