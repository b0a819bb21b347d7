// A player on a simulated desktop, with a host that notes what the player
// asks of the main window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "playback/pause_box.h"
#include "playback/player.h"
#include "playback/repeat_prompt.h"
#include "playback/recording_commands.h"
#include "tests/support/sim_world.h"

namespace tavrix {

using test_support::Lines;
using test_support::LinesStartingWith;
using test_support::OtherLines;
using test_support::TypedText;

// A host that notes what the player asked of the main window.
class NotingHost : public PlayerHost {
 public:
  explicit NotingHost(SimTrace& trace) : trace_(trace) {}
  std::string HotKeyName(std::uint16_t code) override { return "Ctrl+Shift+" + std::to_string(code); }
  bool InTrayMode() override { return trayMode; }
  void ShowTaskbarWindow(bool visible) override { trace_.Add(visible ? "host taskbar shown" : "host taskbar hidden"); }
  bool ProgramMinimized() override { return minimized; }
  void RestoreProgram() override {
    minimized = false;
    trace_.Add("host restore");
  }
  void MinimizeProgram() override {
    minimized = true;
    trace_.Add("host minimize");
  }
  void ShowMainWindow() override { trace_.Add("host main window shown"); }
  void HideMainWindow() override { trace_.Add("host main window hidden"); }

  bool trayMode = false;
  bool minimized = false;

 private:
  SimTrace& trace_;
};

class PlayerTest : public ::testing::Test, protected test_support::SimWorld {
 protected:
  // Unless a test says otherwise, the user resumes every pause and answers
  // every repeat prompt with 1.
  PlayerTest() {
    ui.AnswerFormAlways(TPauseMacro::kName, ui.Answer("ResumeButton"));
    ui.AnswerFormAlways(TRepeatPrompt::kName, ui.Answer("OkButton", {{"CountEdit", "1"}}));
  }
  void AnswerPause(bool resume) { ui.AnswerForm(TPauseMacro::kName, ui.Answer(resume ? "ResumeButton" : "AbortButton")); }
  void AnswerPrompt(const std::string& count) {
    ui.AnswerForm(TRepeatPrompt::kName, ui.Answer("OkButton", {{"CountEdit", count}}));
  }
  std::vector<SimUi::ShownForm> Pauses() const { return ui.Shown(TPauseMacro::kName); }
  Lines Play(std::string_view text) {
    player.IntoProgram(text);
    return desktop.Trace().Lines();
  }
  std::string Typed(std::string_view text) { return TypedText(Play(text)); }
  // Aborts the playback once `count` key-down events of `vk` have been sent.
  void AbortAfterKey(int vk, int count) {
    desktop.SetMessageHandler([this, vk, count] {
      int seen = 0;
      for (const auto& line : desktop.Trace().Lines()) seen += line == "key " + std::to_string(vk) + " down";
      if (seen >= count) player.RequestAbort();
    });
  }

  NotingHost host{desktop.Trace()};
  RecordingCommands commands{[this](std::string line) { desktop.Trace().Add(std::move(line)); }};
  Player player{desktop, ui, host, commands};
};

}  // namespace tavrix
