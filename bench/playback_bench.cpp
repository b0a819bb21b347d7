// Recognising and playing a 5000-character macro text dense with tags on the
// simulated desktop (waits are instant, the trace is off).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "playback/macro_text_recognizer.h"
#include "playback/player.h"
#include "playback/recording_commands.h"

namespace {

// About one tag every eight characters, cut at a piece boundary below 5000.
std::string DenseMacroText() {
  const std::string piece =
      "ab<ENTER><SHIFT>c<DELAY:00.10><MMS:00100,00200><LCLK><F10><ALT4:0169>\xE9<CTLD>x<CTLU><REM:note>"
      "<MM/DD/YY{NP001}><hh:mm{Y}><ACTIVATE:Notepad><BEGCLIP>clip<ENDCLIP><REPEAT:0002>z<I><ENDREP>"
      "Hello, World!\r\n<SPKEY:0001><TAB><WFW:003><CLIPC><KEYP5><PAGE DOWN><SPKEY:0000>";
  std::string text;
  while (text.size() + piece.size() <= 5000) text += piece;
  while (text.size() < 5000) text += 'q';
  return text;
}

void BM_RecognizeDenseText(benchmark::State& state) {
  const std::string text = DenseMacroText();
  std::size_t elements = 0;
  for (auto _ : state) {
    elements = 0;
    for (std::size_t position = 0; position < text.size(); ++elements) {
      position += tavrix::RecognizeElement(text, position).length;
    }
    benchmark::DoNotOptimize(elements);
  }
  state.counters["elements"] = static_cast<double>(elements);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RecognizeDenseText)->Unit(benchmark::kMicrosecond);

void BM_PlayDenseText(benchmark::State& state) {
  const std::string text = DenseMacroText();
  tavrix::SimDesktop desktop;
  desktop.Trace().SetEnabled(false);
  tavrix::SimUi ui(desktop.Trace());
  tavrix::WindowlessPlayerHost host;
  tavrix::RecordingCommands commands([](std::string) {});
  tavrix::Player player(desktop, ui, host, commands);
  for (auto _ : state) {
    player.IntoProgram(text);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_PlayDenseText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
