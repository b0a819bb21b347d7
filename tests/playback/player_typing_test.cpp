// Keystrokes: plain characters, single keys, one-shot and explicit modifiers,
// Alt codes.
#include <algorithm>

#include "tests/playback/player_fixture.h"

namespace tavrix {
namespace {

using PlayerTyping = PlayerTest;

TEST_F(PlayerTyping, AnUnknownTagIsTypedLiterally) {
  EXPECT_EQ(Play("a<b>c"), (Lines{"key 65 down", "key 65 up", "key 16 down", "key 188 down", "key 188 up",
                                  "key 16 up", "key 66 down", "key 66 up", "key 16 down", "key 190 down",
                                  "key 190 up", "key 16 up", "key 67 down", "key 67 up"}));
}

TEST_F(PlayerTyping, EveryPrintableCharacterArrivesAsItself) {
  std::string text;
  for (int ch = 32; ch < 127; ++ch) {
    if (ch != '<') text += static_cast<char>(ch);
  }
  EXPECT_EQ(Typed(text), text);
}

TEST_F(PlayerTyping, MalformedTagsAreTypedWhole) {
  EXPECT_EQ(Typed("<DELAY:1.5><F25><ALT:0169>"), "<DELAY:1.5><F25><ALT:0169>");
  EXPECT_TRUE(OtherLines(desktop.Trace().Lines()).empty());
}

TEST_F(PlayerTyping, SingleKeyTags) {
  EXPECT_EQ(Play("<F1><F10><ENTER><PAGE DOWN>"),
            (Lines{"key 112 down", "key 112 up", "key 121 down", "key 121 up", "key 13 down", "key 13 up",
                   "key 34 down", "key 34 up"}));
}

TEST_F(PlayerTyping, CarriageReturnLineFeedIsOneEnterAndALoneLineFeedIsCtrlEnter) {
  EXPECT_EQ(Play("\r\n\n"), (Lines{"key 13 down", "key 13 up", "key 17 down", "key 13 down", "key 13 up",
                                   "key 17 up"}));
}

TEST_F(PlayerTyping, OneShotShiftAppliesToTheNextKeyOnly) {
  EXPECT_EQ(Play("<SHIFT>ab"),
            (Lines{"key 16 down", "key 65 down", "key 65 up", "key 16 up", "key 66 down", "key 66 up"}));
}

TEST_F(PlayerTyping, OneShotCtrlWithALetterIsACtrlShortcut) {
  EXPECT_EQ(Typed("<CTRL>c"), "^c");
}

TEST_F(PlayerTyping, OneShotModifiersAreReleasedAfterASingleKeyTag) {
  EXPECT_EQ(Play("<SHIFT><TAB>"), (Lines{"key 16 down", "key 9 down", "key 9 up", "key 16 up"}));
}

// A one-shot modifier waits for the next key of its own text. When the
// macro's text ends first, it is released, or the user's own keys would
// arrive with it held; a key held down with an explicit tag stays the
// macro's choice.
TEST_F(PlayerTyping, OneShotsStillPendingWhenTheirTextEndsAreReleased) {
  desktop.AddFile("ctrl.txt", "a<CTRL>");
  struct Case {
    const char* text;
    const char* typed;
    std::vector<int> held;
    Lines end;  // the last key events
  };
  const Case cases[] = {
      {"abc<SHIFT>", "abc", {}, {"key 67 up", "key 16 down", "key 16 up"}},
      // Alt let go with no key between would open the window's menu.
      {"abc<ALT>", "abc", {}, {"key 18 down", "key 232 down", "key 232 up", "key 18 up"}},
      {"x<SHIFT><CTRL><ALT>", "x", {}, {"key 232 down", "key 232 up", "key 18 up"}},
      // A nested text's one-shot still reaches the enclosing text's keys.
      {"<TFILE:ctrl.txt>b", "a^b", {}, {"key 66 up", "key 17 up"}},
      // The counter's digits are a text of their own: the Shift of the
      // enclosing pass still reaches them and the "y" after them.
      {"<REPEAT:0002>x<SHIFT><I>y<ENDREP>", "x!Yx@Y", {}, {"key 89 up", "key 16 up"}},
      {"<CTLD>ab", "^a^b", {17}, {"key 66 down", "key 66 up"}},
  };
  for (const Case& c : cases) {
    desktop.Trace().Clear();
    const Lines lines = Play(c.text);
    EXPECT_EQ(TypedText(lines), c.typed) << c.text;
    ASSERT_GE(lines.size(), c.end.size());
    EXPECT_EQ(Lines(lines.end() - static_cast<std::ptrdiff_t>(c.end.size()), lines.end()), c.end) << c.text;
    for (const int vk : {16, 17, 18, 91}) {
      const bool expected = std::find(c.held.begin(), c.held.end(), vk) != c.held.end();
      EXPECT_EQ(desktop.IsKeyDown(static_cast<std::uint8_t>(vk)), expected) << c.text << " key " << vk;
      if (desktop.IsKeyDown(static_cast<std::uint8_t>(vk))) desktop.SendKey(static_cast<std::uint8_t>(vk), true);
    }
  }
}

TEST_F(PlayerTyping, AltTwiceIsPressedAndReleased) {
  EXPECT_EQ(Play("<ALT><ALT>"), (Lines{"key 18 down", "key 18 up"}));
}

TEST_F(PlayerTyping, ExplicitModifiersOnlySendTheirEvent) {
  EXPECT_EQ(Play("<CTLD>a<CTLU><WIND><WINU><SHFD><SHFU><ALTD><ALTU>"),
            (Lines{"key 17 down", "key 65 down", "key 65 up", "key 17 up", "key 91 down", "key 91 up",
                   "key 16 down", "key 16 up", "key 18 down", "key 18 up"}));
}

TEST_F(PlayerTyping, ExplicitTagsNeitherSetNorReleaseOneShots) {
  // The one-shot Shift waits for the "a", not the "<CTLD>".
  EXPECT_EQ(Play("<SHIFT><CTLD>a<CTLU>"),
            (Lines{"key 16 down", "key 17 down", "key 65 down", "key 65 up", "key 16 up", "key 17 up"}));
}

TEST_F(PlayerTyping, UpperHalfCharactersAreAltKeypadCodes) {
  EXPECT_EQ(Play("\xE9"), (Lines{"key 18 down", "key 96 down", "key 96 up", "key 98 down", "key 98 up",
                                 "key 99 down", "key 99 up", "key 99 down", "key 99 up", "key 18 up"}));
  desktop.Trace().Clear();
  EXPECT_EQ(Typed("caf\xE9 \x80\xFF"), "caf\xE9 \x80\xFF");
}

TEST_F(PlayerTyping, UpperHalfCharactersLeaveOneShotsPending) {
  EXPECT_EQ(Typed("<SHIFT>\xE9" "a"), "\xE9" "A");
}

TEST_F(PlayerTyping, AltCodeTags) {
  EXPECT_EQ(Play("<ALT4:0169>"), (Lines{"key 18 down", "key 96 down", "key 96 up", "key 97 down", "key 97 up",
                                        "key 102 down", "key 102 up", "key 105 down", "key 105 up", "key 18 up"}));
  desktop.Trace().Clear();
  EXPECT_EQ(Typed("<ALT:065>"), "A");
}

TEST_F(PlayerTyping, NonDigitsOfAnAltCodeSendNothing) {
  EXPECT_EQ(Play("<ALT:6x5>"),
            (Lines{"key 18 down", "key 102 down", "key 102 up", "key 101 down", "key 101 up", "key 18 up"}));
}

TEST_F(PlayerTyping, KeyDelayPrecedesCharactersKeysAndAltCodesButNotMouseKeys) {
  EXPECT_EQ(OtherLines(Play("<SPKEY:0020>a<TAB><ALT:065><RIGHT MOUSE>\xE9<SHIFT><CTLD><SPKEY:0000>b")),
            (Lines{"wait 20", "wait 20", "wait 20", "wait 20"}));
}

TEST_F(PlayerTyping, ControlCharactersUseTheirLayoutKeys) {
  EXPECT_EQ(Play("\x01\t\b"), (Lines{"key 17 down", "key 65 down", "key 65 up", "key 17 up", "key 9 down",
                                     "key 9 up", "key 8 down", "key 8 up"}));
}

// Shift+Ctrl is not one of the shift states that press modifiers, so the
// bare key goes out.
TEST_F(PlayerTyping, ShiftCtrlCharactersSendTheBareKey) {
  EXPECT_EQ(Play("\x1E"), (Lines{"key 54 down", "key 54 up"}));
}

TEST_F(PlayerTyping, DateAndTimeCharactersAreTypedAndReleaseOneShots) {
  class FixedDateCommands : public RecordingCommands {
   public:
    using RecordingCommands::RecordingCommands;
    std::string DateTimeText(const MacroElement&) override { return "05"; }
  } dated([](std::string) {});
  Player datedPlayer(desktop, ui, host, dated);
  datedPlayer.IntoProgram("<SHIFT><YY{NF000}>");
  EXPECT_EQ(desktop.Trace().Lines(),
            (Lines{"key 16 down", "key 48 down", "key 48 up", "key 16 up", "key 53 down", "key 53 up"}));
}

}  // namespace
}  // namespace tavrix
