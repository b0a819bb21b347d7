// The hook pipeline decides every key and button event of the whole system,
// so a decision must cost no more than a table look-up per stage: measure ordinary typing
// (nothing fires) and a used hot key (fires and swallows).
#include <benchmark/benchmark.h>

#include "base/hot_key_table.h"
#include "hook/hook_pipeline.h"

namespace {

using tavrix::hook::HookSettings;
using tavrix::hook::HookPipeline;
using tavrix::hook::InputEvent;

HookSettings SettingsWithHotKey(std::uint16_t code) {
  HookSettings settings;
  settings.mainWindow = 0x1234;
  settings.hotKeyUsed[code] = 1;
  return settings;
}

void BM_TypingPassesThrough(benchmark::State& state) {
  const HookSettings settings = SettingsWithHotKey(*tavrix::FindHotKey("Ctrl+Shift+K"));
  HookPipeline pipeline;
  std::uint16_t letter = 'A';
  for (auto _ : state) {
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key(letter, false, false), settings));
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key(letter, true, false), settings));
    letter = letter == 'Z' ? 'A' : letter + 1;
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_TypingPassesThrough);

void BM_UsedHotKeyFires(benchmark::State& state) {
  const HookSettings settings = SettingsWithHotKey(*tavrix::FindHotKey("Ctrl+Shift+K"));
  HookPipeline pipeline;
  for (auto _ : state) {
    pipeline.decide(InputEvent::key(17, false, false), settings);  // Ctrl
    pipeline.decide(InputEvent::key(16, false, false), settings);  // Shift
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key('K', false, false), settings));
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key('K', true, false), settings));
    pipeline.decide(InputEvent::key(16, true, false), settings);
    pipeline.decide(InputEvent::key(17, true, false), settings);
  }
  state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_UsedHotKeyFires);

}  // namespace

BENCHMARK_MAIN();
