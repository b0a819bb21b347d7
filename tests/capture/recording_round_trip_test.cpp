// What a user does, recorded through the capture stage and played back on
// the simulated desktop, reaches the programs as the same input: the same
// keys with the same modifiers, the same clicks at the same points, the
// same wheel turns, the pauses at the chosen speed, nothing of the stop key
// and nothing left down.
#include <gtest/gtest.h>

#include "hook/capture_recorder.h"
#include "tests/capture/recording_fixture.h"

namespace tavrix {
namespace {

using test_support::Received;
using test_support::RecordingFixture;

struct RoundTrip {
  const char* name;
  const char* events;
  int speed = 1;
  bool time = true;
  bool keys = true;
  bool mouse = true;
  bool relative = false;  // mouse positions relative to the window in front
  const char* releasedAtStop = nullptr;  // what the recording lets go of at the stop
};

// Ctrl+Alt+Shift+X, pressed as a user does, ends every case.
constexpr const char* kStop = " down 162 down 164 down 160 down 88 up 88 up 160 up 164 up 162";

const RoundTrip kCases[] = {
    {"ShiftedText", "down 160 down 72 up 72 up 160 wait 80 down 73 up 73 down 160 down 49 up 49 up 160 down 32 up 32"},
    {"TextThatSpellsTags",
     "down 160 down 188 up 188 up 160 down 69 up 69 down 78 up 78 down 84 up 84 down 69 up 69 down 82 up 82 "
     "down 160 down 190 up 190 up 160"},
    {"SpecialKeys", "down 9 up 9 down 13 up 13 down 37 up 37 down 46 up 46 down 112 up 112 down 96 up 96 down 27 up 27"},
    {"ModifierCombinations",
     "down 162 down 67 up 67 down 86 up 86 up 162 down 164 down 70 up 70 up 164 down 162 down 160 down 37 up 37 "
     "up 160 up 162 down 91 down 69 up 69 up 91 down 161 down 9 up 9 up 161"},
    {"LoneAltTap", "down 164 up 164 wait 20 down 70 up 70 down 18 up 18"},
    {"AutoRepeat", "down 65 wait 500 down 65 wait 33 down 65 up 65 down 160 down 66 down 66 up 66 up 160"},
    {"Drag", "move 100 120 button left down wait 40 move 300 340 wait 60 button left up"},
    {"CtrlAndShiftClicks",
     "move 10 20 down 162 button left down button left up up 162 down 160 move 500 600 button right down "
     "button right up up 160 button middle down button middle up"},
    {"Wheel", "move 40 50 wheel 3 wait 10 wheel -2 down 162 wheel 1 up 162"},
    {"WindowRelativePoints",
     "front 9 200 150 600 400 move 250 170 button left down button left up move 700 500 button left down button left up",
     1, true, true, true, true},
    {"KeysOff", "down 65 up 65 move 5 6 button left down button left up", 1, true, false},
    {"MouseOff", "down 65 up 65 move 5 6 button left down button left up wheel 2", 1, true, true, false},
    {"PausesAtHalfSpeed", "down 65 up 65 wait 300 down 66 up 66 wait 12345 down 67 up 67", 2},
    {"PausesAtDoubleSpeed", "down 65 up 65 wait 300 down 66 up 66 wait 1000 down 67 up 67", 3},
    {"PausesAtQuadrupleSpeed", "down 65 up 65 wait 400 move 1 2 button left down wait 800 button left up", 4},
    {"TimeOff", "down 65 up 65 wait 400 down 66 up 66", 1, false},
    {"ModifiersHeldAtTheStop", "down 162 down 65 up 65"},
    {"ButtonHeldAtTheStop", "move 3 4 button left down", 1, true, true, true, false, "up 1 at 3,4"},
};

class RecordingRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(RecordingRoundTrip, PlaysBackAsTheUserDidIt) {
  const RoundTrip& c = GetParam();
  RecordingFixture f;
  f.settings.capture.time = c.time;
  f.settings.capture.keys = c.keys;
  f.settings.capture.mouse = c.mouse;
  f.settings.capture.relativeToScreen = !c.relative;
  f.settings.capture.windowSize = c.relative;
  const std::string text = f.Record(std::string(c.events) + kStop + " down 65 up 65", c.speed);
  const std::vector<Received> played = f.PlayBack(text).List();

  static constexpr double kFactor[] = {1, 1, 2, 0.5, 0.25};
  std::vector<Received> expected;
  for (Received r : f.user.List()) {
    const bool key = r.action.rfind("key ", 0) == 0 || r.action == "alt tap";
    if ((key && !c.keys) || (!key && !c.mouse)) continue;
    r.pause = c.time && !expected.empty() ? std::lround(r.pause * kFactor[c.speed]) : 0;
    expected.push_back(r);
  }
  if (c.releasedAtStop) expected.push_back({c.releasedAtStop, 0});
  std::vector<Received> actual = played;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (!c.time || i == 0) actual[i].pause = 0;
  }
  EXPECT_EQ(actual, expected) << text;
  EXPECT_FALSE(f.modifiersLeftDown) << text;
  EXPECT_EQ(f.buttonsLeftDown, 0) << text;
  EXPECT_EQ(text.find("<F"), text.find("<F1>")) << "nothing of the stop key: " << text;
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordingRoundTrip, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordingText, TypedLessThanNeverStartsATag) {
  RecordingFixture f;
  f.settings.capture.time = false;
  // "<TAB>" typed as text.
  const std::string text = f.Record(
      "down 160 down 188 up 188 up 160 down 160 down 84 up 84 down 65 up 65 down 66 up 66 down 190 up 190 up 160");
  EXPECT_EQ(text, "<SHIFT>,TAB>");
  f.PlayBack(text);
  EXPECT_EQ(test_support::TypedText(f.Trace()), "<TAB>");
}

TEST(RecordingText, WindowSizeComesBeforeTheFirstMouseActionInEachWindow) {
  RecordingFixture f;
  f.settings.capture.time = false;
  f.settings.capture.relativeToScreen = false;
  f.settings.capture.windowSize = true;
  const std::string text = f.Record(
      "front 1 10 20 300 200 move 15 25 button left down button left up button left down button left up "
      "front 2 0 0 640 480 move 5 5 button left down button left up");
  EXPECT_EQ(text,
            "<WSIZE:0300,0200\"CURRENT\"><MMW:00005,00005><LDN><LUP><LDN><LUP>"
            "<WSIZE:0640,0480\"CURRENT\"><MMW:00005,00005><LDN><LUP>");
}

TEST(RecordingText, NothingBeforeTheStartOrAfterTheStop) {
  RecordingFixture f;
  f.settings.capture.time = false;
  f.settings.captureOn = false;
  EXPECT_EQ(f.Record("down 65 up 65"), "");
  f.settings.captureOn = true;
  // The second stop key (a recaptured macro's own hot key) ends it too.
  f.settings.stop2 = hook::StopKey{true, 0, 123, hook::Modifiers{}};
  EXPECT_EQ(f.Record("down 66 up 66 down 123 up 123 down 67 up 67"), "b");
}

}  // namespace
}  // namespace tavrix

namespace tavrix {
namespace {

// A remapped key (the key swap's replacement) is recorded as the character
// the user got, not as the key's own.
TEST(RecordingText, ARemappedKeyIsRecordedAsTheCharacterItTypes) {
  hook::CaptureRecorder recorder;
  hook::CaptureOptions options;
  options.time = false;
  recorder.start(options, {}, {});
  recorder.key('A', false, {}, 0, 'b');
  recorder.key('A', true, {}, 0);
  recorder.key(188, false, {}, 0, '<');
  EXPECT_EQ(recorder.text(), "b<SHIFT>,");
}

}  // namespace
}  // namespace tavrix
