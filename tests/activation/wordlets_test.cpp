// Wordlets: the typed buffer and its matching with each option, the scope
// picking, and the whole road from typed characters to the erasing
// backspaces and the played macro on the simulated desktop.
#include "activation/wordlets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "activation/activation_dispatcher.h"
#include "base/private_messages.h"
#include "playback/desktop_playback_commands.h"
#include "playback/player.h"
#include "store/macro_file.h"
#include "store/recording_hook_library.h"
#include "tests/support/record_builder.h"
#include "tests/support/sim_world.h"

namespace tavrix {
namespace {

using test_support::Lines;

MacroRecord WordletMacro(const std::string& wordlet, const std::string& text, std::int16_t scope = kScopeGlobal,
                         const std::string& scopeName = "") {
  MacroRecord r = test_support::Macro("W " + wordlet, kWordletActivation, text, scope, scopeName);
  r.SetWordletText(wordlet);
  return r;
}

MacroIndex IndexOf(const std::vector<MacroRecord>& records) {
  MacroIndex index;
  for (std::size_t i = 0; i < records.size(); ++i) index.TakeRecord(static_cast<int>(i) + 1, records[i]);
  index.SetCount(static_cast<int>(records.size()));
  return index;
}

// Feeds `typed` (Caps Lock off) and answers the matches of every test the
// characters asked for that found any, as "n,n n"; after a match the buffer
// starts over, as it does when the macro plays.
std::string MatchesAfterTyping(const MacroIndex& index, const WordletOptions& options, const std::string& typed) {
  WordletMatcher matcher;
  std::string found;
  for (char c : typed) {
    const WordletMatcher::Step step = matcher.Feed(0, static_cast<std::uint8_t>(c), options);
    if (step == WordletMatcher::Step::None) continue;
    std::string matches;
    for (int n : matcher.Matches(index, options)) {
      if (!matches.empty()) matches += ',';
      matches += std::to_string(n);
    }
    if (!matches.empty()) {
      if (!found.empty()) found += ' ';
      found += matches;
      matcher.Clear();
    }
    if (step == WordletMatcher::Step::TestAndClear) matcher.Clear();
  }
  return found;
}

struct MatchCase {
  const char* name;
  WordletOptions options;
  const char* typed;
  const char* matches;
};

TEST(WordletMatcher, OptionsDecideWhatTheTypedTextMatches) {
  const MacroIndex index = IndexOf({WordletMacro("sig", "S"), WordletMacro("ab", "A"), WordletMacro("x1", "X")});
  const WordletOptions prefix{true, false, ";;", false};
  const WordletOptions plain{};
  const WordletOptions suffix{true, true, "", false};
  const WordletOptions solitary{true, false, "", true};
  const WordletOptions anyCase{false, false, "", false};
  const MatchCase cases[] = {
      {"prefix ;; then sig", prefix, ";;sig", "1"},
      {"sig without the prefix", prefix, "sig", ""},
      {"the prefix not right before the Wordlet", prefix, ";;xsig", ""},
      {"plain: ab inside cab fires at the b", plain, "cab", "2"},
      {"plain: typed twice, plays twice", plain, "sigsig", "1 1"},
      {"solitary: ab inside cab", solitary, "cab", ""},
      {"solitary: ab after a space", solitary, "c ab", "2"},
      {"suffix: sig and a space", suffix, "sig ", "1"},
      {"suffix: sig and Enter", suffix, "sig\r", "1"},
      {"suffix: sig and a comma empties", suffix, "sig, ", ""},
      {"suffix: nothing before the space", suffix, "sig", ""},
      {"suffix: inside a longer word", suffix, "xsig ", ""},
      {"case sensitive: SIG", plain, "SIG", ""},
      {"case insensitive: SIG", anyCase, "SIG", "1"},
      {"case insensitive: a mixed-case Wordlet typed lower", anyCase, "X1", "3"},
      {"backspace mends a typo", plain, "sx\bi\bg", ""},
      {"backspace then the right letters", plain, "sx\big", "1"},
      {"a long word without a break finds sig at its end", plain, "cdefghijklmnopqrsig", "1"},
      {"a character outside the set starts over", plain, "s'ig", ""},
  };
  for (const MatchCase& c : cases) EXPECT_EQ(MatchesAfterTyping(index, c.options, c.typed), c.matches) << c.name;
}

TEST(WordletMatcher, TheBufferKeepsThePrefixLengthPlusTenOfTheMostRecent) {
  const struct {
    std::string prefix;
    bool suffix;
    std::size_t room;
  } cases[] = {{"", false, 10}, {";", false, 11}, {";;", false, 12}, {";;", true, 12}};
  for (const auto& c : cases) {
    WordletMatcher matcher;
    const WordletOptions options{true, c.suffix, c.prefix, false};
    const std::string typed = "abcdefghijklmnopqrstuvwxyz";
    for (char ch : typed) matcher.Feed(0, static_cast<std::uint8_t>(ch), options);
    EXPECT_EQ(matcher.Typed(), typed.substr(typed.size() - c.room)) << c.prefix << c.suffix;
  }
  // A reset empties it; only state 2 means Caps Lock on.
  WordletMatcher matcher;
  matcher.Feed(kWordletCapsOn, 'a', {});
  EXPECT_TRUE(matcher.CapsLockOn());
  matcher.Feed(kWordletReset, 'b', {});
  EXPECT_EQ(matcher.Typed(), "");
  matcher.Feed(3, 'c', {});
  EXPECT_FALSE(matcher.CapsLockOn());
}

TEST(WordletMatcher, OnlyActiveWordletMacrosMatch) {
  MacroRecord inactive = WordletMacro("sig", "S");
  inactive.SetActive(0);
  MacroRecord hotKey = WordletMacro("sig", "S");
  hotKey.SetActivation(3);
  const MacroIndex index = IndexOf({inactive, hotKey, WordletMacro("sig", "S")});
  EXPECT_EQ(MatchesAfterTyping(index, {}, "sig"), "3");
}

TEST(WordletText, TheSetAndTheLengthsAUserMayEnter) {
  for (const char* good : {"sig", "A1!@#$%^&_", "=<>?.;,*-/", "+"}) EXPECT_TRUE(IsValidWordlet(good)) << good;
  for (const char* bad : {"", "abcdefghijk", "si g", "a'b", "x\"", "(", "~", "é"}) EXPECT_FALSE(IsValidWordlet(bad)) << bad;
  EXPECT_TRUE(IsValidPrefixKeys(""));
  EXPECT_TRUE(IsValidPrefixKeys(";;"));
  EXPECT_FALSE(IsValidPrefixKeys(";;;"));
  EXPECT_FALSE(IsValidPrefixKeys(" ;"));
}

TEST(WordletBackspaces, AbbreviationPlusPrefixOrTheEndingKey) {
  EXPECT_EQ(WordletBackspaces(3, {true, false, ";;", false}), 5);
  EXPECT_EQ(WordletBackspaces(3, {true, false, "", false}), 3);
  EXPECT_EQ(WordletBackspaces(3, {true, true, ";;", false}), 4);
}

TEST(PickWordletMacro, WindowThenProgramThenGlobal) {
  const MacroIndex index = IndexOf({WordletMacro("sig", "G"), WordletMacro("sig", "P", kScopeProgram, "notepad"),
                                    WordletMacro("sig", "W", kScopeWindow, "report"),
                                    WordletMacro("sig", "M", kScopePopupMenu), WordletMacro("sig", "E", kScopeWindow, ""),
                                    WordletMacro("sig", "F", kScopeProgram, "")});
  const std::vector<int> all{1, 2, 3, 4};
  const struct {
    const char* title;
    const char* program;
    int picked;
  } cases[] = {
      {"Q3 Report - Notepad", "NOTEPAD.EXE", 3},
      {"Untitled - Notepad", "NOTEPAD.EXE", 2},
      {"Untitled - Paint", "MSPAINT.EXE", 1},
      {"", "", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(PickWordletMacro(all, index.table(), c.title, c.program), c.picked) << c.title;
  EXPECT_EQ(PickWordletMacro({2, 3, 4}, index.table(), "Paint", "MSPAINT.EXE"), 0);
  // A window or program macro without a name names nothing: the global one wins.
  EXPECT_EQ(PickWordletMacro({5, 6, 1}, index.table(), "Untitled - Notepad", "NOTEPAD.EXE"), 1);
}

class WordletPlayerTest : public ::testing::Test, protected test_support::SimWorld {
 protected:
  void Load(const std::vector<MacroRecord>& records) {
    const std::string path = folder_.File("W.TVX");
    test_support::WriteMacroFile(path, records);
    file.LoadFile(path);
    desktop.Trace().Clear();
  }
  void Type(const std::string& text, const WordletOptions& options) {
    for (char c : text) wordlets.OnCharacter(0, static_cast<std::uint8_t>(c), options);
  }
  Lines KeyLines() const { return test_support::LinesStartingWith(Trace(), "key "); }

  struct Host : ActivationHost {
    void ActivateMe() override {}
    void StartClearTimer() override { ++clearTimers; }
    int clearTimers = 0;
  } host;
  RecordingHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, [] { return LocalDateTime{2026, 12, 7, 9, 0, 0, 0}; }};
  DesktopPlaybackCommands commands{desktop};
  WindowlessPlayerHost playerHost;
  Player player{desktop, ui, playerHost, commands};
  ActivationDispatcher dispatcher{desktop, ui, hooks, file, player, host};
  WordletPlayer wordlets{desktop, ui, player, dispatcher, index};

 private:
  test_support::ScratchFolder folder_;
};

TEST_F(WordletPlayerTest, APrefixWordletErasesItselfAndPlaysItsMacro) {
  Load({WordletMacro("sig", "Jo")});
  std::vector<std::string> played;
  wordlets.onPlay = [&](int n, int b) { played.push_back(std::to_string(n) + "/" + std::to_string(b)); };
  Type(";;sig", {true, false, ";;", false});
  EXPECT_EQ(played, std::vector<std::string>{"1/5"});
  Lines expected;
  for (int i = 0; i < 5; ++i) expected.insert(expected.end(), {"key 8 down", "key 8 up"});
  for (const char* k : {"key 16 down", "key 74 down", "key 74 up", "key 16 up", "key 79 down", "key 79 up",
                        "key 43 down", "key 43 up"})
    expected.push_back(k);
  EXPECT_EQ(KeyLines(), expected);
  EXPECT_EQ(host.clearTimers, 1);
  EXPECT_EQ(wordlets.Matcher().Typed(), "");
}

// The user types on at once: those characters arrive while the backspaces
// and the macro are sent, and must never fire the Wordlet a second time.
TEST_F(WordletPlayerTest, TypingOnWhileTheWordletPlaysNeverFiresItAgain) {
  Load({WordletMacro("sig", "Jo")});
  int plays = 0;
  wordlets.onPlay = [&](int, int) { ++plays; };
  const std::string typedOn = "sigxyz";
  std::size_t next = 0;
  desktop.SetMessageHandler([&] {
    if (next < typedOn.size()) wordlets.OnCharacter(0, static_cast<std::uint8_t>(typedOn[next++]), {});
  });
  Type("sig", {});
  EXPECT_EQ(plays, 1);
  EXPECT_EQ(wordlets.Matcher().Typed(), "");
}

TEST_F(WordletPlayerTest, TheProgramWordletPlaysInItsProgramAndTheGlobalOneElsewhere) {
  Load({WordletMacro("sig", "g"), WordletMacro("sig", "p", kScopeProgram, "NOTEPAD")});
  std::vector<int> played;
  wordlets.onPlay = [&](int n, int) { played.push_back(n); };
  desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  Type("sig ", {true, true, "", false});
  desktop.AddWindow("Untitled - Paint", "MSPAINT.EXE");
  Type("sig ", {true, true, "", false});
  EXPECT_EQ(played, (std::vector<int>{2, 1}));
}

TEST_F(WordletPlayerTest, ABusyProgramRefusesAndKeepsTheTypedText) {
  Load({WordletMacro("sig", "x")});
  dispatcher.SetPopupShown(true);
  Type("sig", {});
  index.table().SetCaptureOn(1);
  dispatcher.SetPopupShown(false);
  wordlets.TestIt({});
  EXPECT_EQ(Messages(), (Lines{std::string("message Warning: ") + kPopupBusyText,
                               std::string("message Warning: ") + kCaptureBusyText}));
  EXPECT_TRUE(KeyLines().empty());
  EXPECT_EQ(wordlets.Matcher().Typed(), "sig");
}

TEST_F(WordletPlayerTest, NothingHappensWithoutMacros) {
  Load({WordletMacro("sig", "x")});
  index.SetCount(0);
  Type("sig", {});
  EXPECT_EQ(wordlets.Matcher().Typed(), "");
}

}  // namespace
}  // namespace tavrix
