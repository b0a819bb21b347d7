// Key swap through the whole pipeline: every one of the 93 characters,
// typed as the layout of the window in front types it, comes out as its
// table says; a 0 swallows the key; the program's own keys, shortcuts and a
// switched-off swap pass untouched.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "base/key_swap_alphabet.h"
#include "base/private_messages.h"
#include "base/virtual_keys.h"
#include "hook/hook_pipeline.h"
#include "platform/sim/us_keyboard_layout.h"
#include "tests/support/german_key_scan.h"

namespace tavrix::hook {
namespace {

using test_support::GermanKeyScan;

constexpr std::uint32_t kMain = 0x1000;
constexpr std::uint16_t kAltGrVk = vk::kRightMenu;

class KeySwapStageTest : public ::testing::Test {
 protected:
  KeySwapStageTest() {
    for (std::size_t i = 0; i < kSwapAlphabetSize; ++i) tables[i] = static_cast<std::uint8_t>(kSwapAlphabet[i]);
    settings.mainWindow = kMain;
    settings.swapTables = tables.data();
    settings.layout = &us;
  }

  void Map(char from, std::uint8_t to) { tables[SwapPosition(static_cast<std::uint8_t>(from))] = to; }

  // One key event: what the system gets for it ('.' passed as it is, '-'
  // swallowed, else the character typed in its place).
  char Event(std::uint16_t key, bool up, bool marked = false) {
    const HookOutcome& outcome = pipeline.decide(InputEvent::key(key, up, marked), settings);
    if (outcome.verdict == HookVerdict::Pass) return '.';
    if (outcome.verdict == HookVerdict::Swallow) return '-';
    return static_cast<char>(outcome.replacement.character);
  }
  // Press and release the key that types `c` in the US layout, with Shift
  // (or with AltGr) as the layout needs it; what the press and release gave.
  std::string Type(std::uint8_t c, const KeyCharacterMap::KeyScan& scan = UsKeyScan) {
    const std::int16_t answer = scan(c);
    const auto key = static_cast<std::uint16_t>(answer & 0xFF);
    const bool shift = (answer & 0x100) != 0, altGr = (answer & 0x600) == 0x600;
    if (shift) Event(vk::kLeftShift, false);
    if (altGr) Event(vk::kLeftControl, false), Event(kAltGrVk, false);
    std::string seen{Event(key, false), Event(key, true)};
    if (altGr) Event(kAltGrVk, true), Event(vk::kLeftControl, true);
    if (shift) Event(vk::kLeftShift, true);
    return seen;
  }
  void CapsLock() { Event(vk::kCapital, false), Event(vk::kCapital, true); }

  std::array<std::uint8_t, kSwapAlphabetSize> tables{};
  KeyCharacterMap us = KeyCharacterMap::build(UsKeyScan);
  HookSettings settings;
  HookPipeline pipeline;
};

// Each character produces the next one of the alphabet (the last the first):
// every table position is reached through its own key, and the release of a
// replaced key goes nowhere.
TEST_F(KeySwapStageTest, EachOfThe93CharactersProducesWhatItsTablePositionHolds) {
  for (std::size_t i = 0; i < kSwapAlphabetSize; ++i)
    tables[i] = static_cast<std::uint8_t>(kSwapAlphabet[(i + 1) % kSwapAlphabetSize]);
  for (std::size_t i = 0; i < kSwapAlphabetSize; ++i) {
    const auto c = static_cast<std::uint8_t>(kSwapAlphabet[i]);
    const std::string expected{kSwapAlphabet[(i + 1) % kSwapAlphabetSize], '-'};
    EXPECT_EQ(Type(c), expected) << "character '" << c << "'";
  }
}

// With Caps Lock on the letter keys type the other case, so the other table
// applies; digits and punctuation are not touched by Caps Lock.
TEST_F(KeySwapStageTest, CapsLockChoosesTheTableOfTheCaseTyped) {
  for (std::size_t i = 0; i < kSwapAlphabetSize; ++i) tables[i] = static_cast<std::uint8_t>(128 + i);
  CapsLock();
  for (std::size_t i = 0; i < kSwapAlphabetSize; ++i) {
    const auto c = static_cast<std::uint8_t>(kSwapAlphabet[i]);
    std::uint8_t typed = c;
    if (c >= 'a' && c <= 'z') typed = static_cast<std::uint8_t>(c - 32);
    if (c >= 'A' && c <= 'Z') typed = static_cast<std::uint8_t>(c + 32);
    EXPECT_EQ(static_cast<std::uint8_t>(Type(c)[0]), 128 + SwapPosition(typed)) << "character '" << c << "'";
  }
}

TEST_F(KeySwapStageTest, TheLayoutOfTheWindowInFrontDecidesWhichCharacterAKeyTypes) {
  const KeyCharacterMap german = KeyCharacterMap::build(GermanKeyScan);
  settings.layout = &german;
  Map('y', 'Q');
  Map('@', '!');
  Map('#', '%');
  Map('?', '~');
  const struct {
    std::uint8_t c;
    const char* expected;
  } cases[] = {{'y', "Q-"}, {'z', ".."}, {'@', "!-"}, {'#', "%-"}, {'?', "~-"}, {'q', ".."}};
  for (const auto& c : cases) EXPECT_EQ(Type(c.c, GermanKeyScan), c.expected) << c.c;
  // The same key in the US layout types z, which is not remapped.
  settings.layout = &us;
  EXPECT_EQ(Type('z'), "..");
}

TEST_F(KeySwapStageTest, AZeroSwallowsTheKeyWithItsRepeatsAndRelease) {
  Map('a', 0);
  EXPECT_EQ(std::string({Event('A', false), Event('A', false), Event('A', true), Event('B', false)}), "---.");
}

TEST_F(KeySwapStageTest, AnyStoredCharacterIsProducedAndRepeats) {
  Map('a', 0xE9);
  Map('b', ' ');
  Map('c', 7);  // below 32: kept in the file and produced as stored
  EXPECT_EQ(std::string({Event('A', false), Event('A', false), Event('A', true)}), "\xE9\xE9-");
  EXPECT_EQ(Type('b'), " -");
  EXPECT_EQ(Type('c'), "\x07-");
}

TEST_F(KeySwapStageTest, NothingIsSwappedWhereTheKeyIsNoRemappedCharacter) {
  Map('a', 'b');
  const struct {
    const char* name;
    bool marked;
    std::uint16_t modifier;
    bool swapOff;
    std::uint16_t key;
  } cases[] = {
      {"the program's own key", true, 0, false, 'A'},
      {"with Ctrl", false, vk::kLeftControl, false, 'A'},
      {"with Alt", false, vk::kLeftMenu, false, 'A'},
      {"with Win", false, vk::kLeftWin, false, 'A'},
      {"swap hook off", false, 0, true, 'A'},
      {"{ and | are no table positions", false, vk::kLeftShift, false, 219},
      {"a function key", false, 0, false, 112},
      {"Enter", false, 0, false, 13},
  };
  for (const auto& c : cases) {
    pipeline = HookPipeline();
    settings.swapTables = c.swapOff ? nullptr : tables.data();
    if (c.modifier != 0) Event(c.modifier, false, c.marked);
    EXPECT_EQ(std::string({Event(c.key, false, c.marked), Event(c.key, true, c.marked)}), "..") << c.name;
  }
}

TEST_F(KeySwapStageTest, TheKeypadDigitsAreDigits) {
  Map('7', '1');
  EXPECT_EQ(std::string({Event(vk::kNumpad0 + 7, false), Event(vk::kNumpad0 + 7, true)}), "1-");
}

TEST_F(KeySwapStageTest, AChangedTableByteTakesEffectAtTheNextKey) {
  EXPECT_EQ(Type('a'), "..");
  Map('a', 'b');
  EXPECT_EQ(Type('a'), "b-");
  Map('a', 'a');
  EXPECT_EQ(Type('a'), "..");
}

TEST_F(KeySwapStageTest, WordletsSeeTheCharacterTheUserGets) {
  settings.hasWordlets = true;
  Map('a', 'b');
  const HookOutcome& outcome = pipeline.decide(InputEvent::key('A', false), settings);
  ASSERT_EQ(outcome.posts.size(), 1u);
  EXPECT_EQ(outcome.posts[0].message, kMsgWordletChar);
  EXPECT_EQ(outcome.posts[0].lParam, static_cast<std::uint32_t>('b'));
}

}  // namespace
}  // namespace tavrix::hook
