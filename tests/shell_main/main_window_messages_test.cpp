// The one entry for private messages: each number the program knows reaches
// its handler with its parameters; any other number changes nothing.
#include "base/private_messages.h"
#include "main_window_fixture.h"

namespace tavrix::testing {
namespace {

class PrivateMessageTest : public MainWindowTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "abc")}))); }
};

TEST_F(PrivateMessageTest, EachKnownNumberReachesItsHandler) {
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");

  window->OnPrivateMessage(kMsgActivation, kCtrlA, static_cast<std::intptr_t>(notepad));
  EXPECT_EQ(TypedLetters(Trace()), "abc");
  EXPECT_EQ(window->GetPlayer().State().targetWindow, notepad);
  EXPECT_TRUE(window->InUse());

  window->OnPrivateMessage(kMsgClearInUse, 0, 0);
  EXPECT_FALSE(window->InUse());

  window->OnPrivateMessage(kMsgCapsLock, 1, 0);
  EXPECT_TRUE(window->Dispatcher().CapsLockOn());
  window->OnPrivateMessage(kMsgCapsLock, 0, 0);
  EXPECT_FALSE(window->Dispatcher().CapsLockOn());

  window->OnPrivateMessage(kMsgForegroundChanged, notepad, 0);
  EXPECT_EQ(window->Foreground().lastForeground, notepad);
  EXPECT_EQ(Table().FrontProgram(), "NOTEPAD.EXE");
}

TEST_F(PrivateMessageTest, TheAbortMessageStopsThePlayingMacro) {
  desktop.Trace().Clear();
  int keys = 0;
  desktop.SetMessageHandler([&] {
    if (++keys == 1) window->OnPrivateMessage(kMsgAbort, 0, 0);
  });
  window->OnPrivateMessage(kMsgActivation, kCtrlA, 0);
  desktop.SetMessageHandler({});
  EXPECT_EQ(TypedLetters(Trace()), "a");
}

TEST_F(PrivateMessageTest, NumbersWithoutAHandlerChangeNothing) {
  window->OnPrivateMessage(kMsgActivation, kCtrlA, 0);
  desktop.Trace().Clear();
  hooks.ClearCalls();
  host.lines.clear();
  for (const std::uint32_t message : {kMsgHotKeyEntry, kMsgCaptureChar, kMsgCaptureComplete, kMsgWordletChar,
                                      kMsgDiagnostic, kFirstPrivateMessage, kFirstPrivateMessage + 10, 0x7FFFu}) {
    window->OnPrivateMessage(message, kCtrlA, 1);
  }
  EXPECT_TRUE(Trace().empty());
  EXPECT_TRUE(hooks.calls().empty());
  EXPECT_TRUE(host.lines.empty());
  EXPECT_TRUE(window->InUse());
}

}  // namespace
}  // namespace tavrix::testing
