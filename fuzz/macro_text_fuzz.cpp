// Any bytes as a macro text: the recogniser walks it, the script editor
// builds its lines (each must name its kind) and compiles them back, then the player plays
// it, commands and all, on the simulated desktop. Files exist only in memory
// (one of them is the input itself, so "<TFILE:f>" nests), waits are
// instant, and a playback that would run for very long (a big repeat count)
// is aborted after a fixed number of steps.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editing/command_names.h"
#include "editing/script_compile.h"
#include "editing/script_view.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "playback/desktop_playback_commands.h"
#include "playback/macro_text_recognizer.h"
#include "playback/pause_box.h"
#include "playback/player.h"
#include "playback/repeat_prompt.h"

namespace {

constexpr int MaxSteps = 20000;

void WalkElements(std::string_view text) {
  for (std::size_t position = 0; position < text.size();) {
    const tavrix::MacroElement element = tavrix::RecognizeElement(text, position);
    if (element.length == 0 || element.length > text.size() - position) std::abort();
    position += element.length;
  }
}

void BuildAndCompileTheScript(std::string_view text) {
  std::vector<tavrix::ScriptLine> lines = tavrix::BuildTheScript(text);
  tavrix::IndentScript(lines);
  for (const tavrix::ScriptLine& line : lines) {
    if (tavrix::LineKindOf(line.display) == tavrix::line_kind::None) std::abort();
  }
  const std::string compiled = tavrix::CompileScript(lines);
  if (!text.empty() && text[0] != '\0' && compiled.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  WalkElements(text);
  BuildAndCompileTheScript(text);

  tavrix::SimDesktop desktop;
  desktop.Trace().SetEnabled(false);
  desktop.AddFile("f", text);
  desktop.AddFile("a", "x<TFILE:a>y");
  desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  tavrix::SimUi ui(desktop.Trace());
  ui.AnswerFormAlways(tavrix::TPauseMacro::kName, ui.Answer(size % 2 == 0 ? "ResumeButton" : "AbortButton"));
  ui.AnswerFormAlways(tavrix::TRepeatPrompt::kName, ui.Answer("OkButton", {{"CountEdit", "3"}}));
  tavrix::WindowlessPlayerHost host;
  tavrix::DesktopPlaybackCommands commands(desktop);
  tavrix::Player player(desktop, ui, host, commands);
  int steps = 0;
  desktop.SetMessageHandler([&] {
    if (++steps > MaxSteps) player.RequestAbort();
  });
  player.State().capsLockToggled = size % 3 == 0;
  player.IntoProgram(text);
  return 0;
}
