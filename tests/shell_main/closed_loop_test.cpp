// The whole road of a hot key on the simulated desktop: the user's keys pass
// the hook library's pipeline, its messages reach the main window, the macro
// plays, and the keys it sends come back through the same hooks.
#include "closed_loop.h"

#include "main_window_fixture.h"

namespace tavrix::testing {
namespace {

constexpr std::uint8_t kCtrl = 17;
constexpr std::uint8_t kPauseKey = 19;

class ClosedLoopTest : public MainWindowTest {
 protected:
  void StartLooped(const std::vector<MacroRecord>& macros) {
    loop.reset();
    ASSERT_TRUE(Start(WithSystemEntries(macros)));
    loop = std::make_unique<ClosedLoop>(desktop, hooks);
    loop->Attach(*window, RecordingHost::kHandle);
    desktop.Trace().Clear();
  }
  std::size_t Count(const std::string& line) const {
    std::size_t n = 0;
    for (const auto& l : Trace()) n += l == line ? 1 : 0;
    return n;
  }

  std::unique_ptr<ClosedLoop> loop;
};

TEST_F(ClosedLoopTest, TheUsersHotKeyPlaysItsMacro) {
  StartLooped({Macro("A", kCtrlA, "ab")});
  loop->UserPresses({kCtrl}, 'A');
  EXPECT_EQ(Count("post 2 " + std::to_string(kCtrlA)), 1u);
  EXPECT_EQ(TypedLetters(LinesStartingWith(Trace(), "key ")), "ab");
  EXPECT_EQ(Count("user key 65 down"), 1u);
}

// A macro never fires a hot key, its own or another macro's, whatever keys
// it types: what the program sends is its own input to the hooks.
TEST_F(ClosedLoopTest, KeysAMacroTypesNeverFireAHotKey) {
  struct Case {
    const char* text;
    const char* typed;
  } cases[] = {
      {"<CTLD>a<CTLU>x", "ax"},  // its own hot key, Ctrl+A
      {"<CTLD>b<CTLU>y", "by"},  // the other macro's, Ctrl+B
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    StartLooped({Macro("A", kCtrlA, c.text), Macro("B", kCtrlB, "q")});
    loop->UserPresses({kCtrl}, 'A');
    EXPECT_EQ(LinesStartingWith(Trace(), "post 2 ").size(), 1u);
    EXPECT_EQ(TypedLetters(LinesStartingWith(Trace(), "key ")), c.typed);
    // The same keys from the user do fire.
    desktop.Trace().Clear();
    loop->UserPresses({kCtrl}, 'B');
    EXPECT_EQ(TypedLetters(LinesStartingWith(Trace(), "key ")), "q");
  }
}

// The end-of-macro key tells the program its input has passed: the hooks
// swallow it and post the clear message, which clears the in-use mark long
// before the clear timer; the library's copy clears with the marker, so
// Pause is an ordinary key again.
TEST_F(ClosedLoopTest, TheEndOfMacroMarkerClearsTheInUseMark) {
  StartLooped({Macro("A", kCtrlA, "ab")});
  bool inUseWhilePlaying = false;
  desktop.SetMessageHandler([&] {
    inUseWhilePlaying = inUseWhilePlaying || window->InUse();
    loop->Deliver();
  });
  loop->UserPresses({kCtrl}, 'A');

  EXPECT_TRUE(inUseWhilePlaying);
  EXPECT_FALSE(window->InUse());
  EXPECT_TRUE(host.TimerRunning(MainTimer::Clear));  // not the timer's doing
  const Lines lines = Trace();
  const auto marker = std::find(lines.begin(), lines.end(), "key 43 down");
  ASSERT_NE(marker, lines.end());
  ASSERT_NE(marker + 1, lines.end());
  EXPECT_EQ(*(marker + 1), "post 12 0");
  EXPECT_FALSE(desktop.IsKeyDown(43));  // swallowed: no program saw it

  EXPECT_FALSE(hooks.libraryState().hookSettings().inUse);
  desktop.UserKey(kPauseKey, false);
  desktop.UserKey(kPauseKey, true);
  EXPECT_TRUE(LinesStartingWith(Trace(), "post 5").empty());
}

TEST_F(ClosedLoopTest, PauseFromTheUserAbortsTheMacroInUse) {
  StartLooped({Macro("Long", kCtrlA, "abcdef")});
  int steps = 0;
  desktop.SetMessageHandler([&] {
    if (++steps == 2) {
      desktop.UserKey(kPauseKey, false);
      desktop.UserKey(kPauseKey, true);
    }
    loop->Deliver();
  });
  loop->UserPresses({kCtrl}, 'A');
  EXPECT_EQ(Count("post 5 0"), 1u);
  EXPECT_LT(TypedLetters(LinesStartingWith(Trace(), "key ")).size(), 6u);
  EXPECT_FALSE(desktop.IsKeyDown(kPauseKey));
}

}  // namespace
}  // namespace tavrix::testing
