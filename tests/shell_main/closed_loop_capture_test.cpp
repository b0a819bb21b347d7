// A capture on the simulated desktop, the whole road: the user presses
// "Start / Stop Capture", types and clicks, presses it again, gives the
// macro a hot key in "Capture Complete", and that hot key types the same.
#include "closed_loop.h"

#include "capture/capture_dialogs.h"
#include "main_window_fixture.h"

namespace tavrix::testing {
namespace {

constexpr std::uint8_t kLeftShift = 160;
constexpr std::uint8_t kLeftCtrl = 162;
constexpr std::uint8_t kLeftAlt = 164;
constexpr std::uint8_t kF9 = 120;
constexpr std::uint16_t kF9Code = 296;

class CaptureLoopTest : public MainWindowTest {
 protected:
  void StartLooped() {
    ASSERT_TRUE(Start(WithSystemEntries({})));
    loop = std::make_unique<ClosedLoop>(desktop, hooks);
    loop->Attach(*window, RecordingHost::kHandle);
  }
  void Type(std::initializer_list<std::pair<std::uint8_t, bool>> keys) {
    for (const auto& [vk, up] : keys) desktop.UserKey(vk, up);
    loop->Deliver();
  }
  void PressStopKey() { loop->UserPresses({kLeftCtrl, kLeftAlt, kLeftShift}, 'X'); }

  std::unique_ptr<ClosedLoop> loop;
};

TEST_F(CaptureLoopTest, TheCapturedHotKeyTypesWhatTheUserTyped) {
  StartLooped();
  ui.AnswerForm("TCapComplete", [this](Form& form) {
    auto& d = static_cast<TCapComplete&>(form);
    d.keyList.itemIndex = kF9Code;
    ui.Click(d, d.okButton);
  });
  PressStopKey();  // starts
  ASSERT_TRUE(window->Capturing());
  desktop.Trace().Clear();
  // "Hi <a>" and a Tab, typed with both Shift keys.
  Type({{kLeftShift, false}, {'H', false}, {'H', true}, {kLeftShift, true}, {'I', false}, {'I', true},
        {' ', false},        {' ', true},  {161, false},  {188, false},      {188, true}, {161, true},
        {'A', false},        {'A', true},  {kLeftShift, false}, {190, false}, {190, true}, {kLeftShift, true},
        {9, false},          {9, true}});
  PressStopKey();  // ends
  EXPECT_FALSE(window->Capturing());
  ASSERT_EQ(window->Index().table().Activation(5), kF9Code);

  desktop.Trace().Clear();
  loop->UserPresses({}, kF9);
  EXPECT_EQ(test_support::TypedText(LinesStartingWith(Trace(), "key ")), "Hi <a>\t");
}

TEST_F(CaptureLoopTest, KeysBeforeTheStartAndAfterTheEndAreNotRecorded) {
  StartLooped();
  ui.AnswerForm("TCapComplete", [](Form& form) { form.PressCloseBox(); });
  Type({{'B', false}, {'B', true}});
  PressStopKey();
  Type({{'C', false}, {'C', true}});
  PressStopKey();
  Type({{'D', false}, {'D', true}});
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 5).MacroText(), "<SPEED:00001>c");
}

// "Recapture Macro" of the selected macro: the dialog's options, the
// macro's own hot key ends the recording too, and the user is told.
TEST_F(CaptureLoopTest, RecaptureRecordsIntoTheSelectedMacroUntilItsOwnHotKey) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Old", kF9Code, "old")})));
  loop = std::make_unique<ClosedLoop>(desktop, hooks);
  loop->Attach(*window, RecordingHost::kHandle);
  host.selected = 5;
  ui.AnswerForm("TCaptureKeys", [this](Form& form) {
    auto& d = static_cast<TCaptureKeys&>(form);
    d.Click(d.timeBox);
    ui.Click(d, d.startButton);
  });
  window->OnCommand(Command::RecaptureMacro);
  ASSERT_TRUE(window->Capturing());
  Type({{'N', false}, {'N', true}, {'U', false}, {'U', true}});
  loop->UserPresses({}, kF9);
  EXPECT_FALSE(window->Capturing());
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 5).MacroText(), "nu");
  EXPECT_EQ(Messages().back(), "message Capture: Tavrix capture is complete for F9.");
}

}  // namespace
}  // namespace tavrix::testing
