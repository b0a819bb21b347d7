// While a capture records, every key and click of the whole system passes
// the recorder on the hook thread: measure typing and clicking through the
// whole pipeline with the capture on (pauses, pointer moves and the posts of
// the recorded text included).
#include <benchmark/benchmark.h>

#include "hook/hook_pipeline.h"

namespace {

using tavrix::hook::HookPipeline;
using tavrix::hook::HookSettings;
using tavrix::hook::InputEvent;

HookSettings Recording() {
  HookSettings settings;
  settings.mainWindow = 0x1234;
  settings.captureOn = true;
  settings.captureGeneration = 1;
  settings.captureMacro = 5;
  settings.stop = {true, 0, 'X', {true, true, true, false}};
  return settings;
}

void BM_CaptureRecordsTyping(benchmark::State& state) {
  const HookSettings settings = Recording();
  HookPipeline pipeline;
  std::uint16_t letter = 'A';
  std::uint32_t time = 0;
  for (auto _ : state) {
    InputEvent down = InputEvent::key(letter, false);
    down.time = time += 90;
    InputEvent up = InputEvent::key(letter, true);
    up.time = time += 40;
    benchmark::DoNotOptimize(pipeline.decide(down, settings));
    benchmark::DoNotOptimize(pipeline.decide(up, settings));
    letter = letter == 'W' ? 'A' : letter + 1;
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_CaptureRecordsTyping);

void BM_CaptureRecordsClicks(benchmark::State& state) {
  const HookSettings settings = Recording();
  HookPipeline pipeline;
  std::int32_t x = 0;
  std::uint32_t time = 0;
  for (auto _ : state) {
    InputEvent down = InputEvent::click(1, false);
    down.x = x = (x + 7) % 1024;
    down.y = 300;
    down.time = time += 200;
    InputEvent up = down;
    up.up = true;
    up.time = time += 80;
    benchmark::DoNotOptimize(pipeline.decide(down, settings));
    benchmark::DoNotOptimize(pipeline.decide(up, settings));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_CaptureRecordsClicks);

}  // namespace

BENCHMARK_MAIN();
