// The hook thread decides every key and button event of the whole system, so
// a decision must cost no more than a table look-up: measure ordinary typing
// (nothing fires) and a used hot key (fires and swallows).
#include <benchmark/benchmark.h>

#include "base/hot_key_table.h"
#include "hook/hot_key_decider.h"

namespace {

using tavrix::hook::HookSettings;
using tavrix::hook::HotKeyDecider;
using tavrix::hook::KeyEvent;

HookSettings SettingsWithHotKey(std::uint16_t code) {
  HookSettings settings;
  settings.mainWindow = 0x1234;
  settings.hotKeyUsed[code] = 1;
  return settings;
}

void BM_TypingPassesThrough(benchmark::State& state) {
  const HookSettings settings = SettingsWithHotKey(*tavrix::FindHotKey("Ctrl+Shift+K"));
  HotKeyDecider decider;
  std::uint16_t letter = 'A';
  for (auto _ : state) {
    benchmark::DoNotOptimize(decider.onKey(KeyEvent{letter, false, false}, settings));
    benchmark::DoNotOptimize(decider.onKey(KeyEvent{letter, true, false}, settings));
    letter = letter == 'Z' ? 'A' : letter + 1;
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_TypingPassesThrough);

void BM_UsedHotKeyFires(benchmark::State& state) {
  const HookSettings settings = SettingsWithHotKey(*tavrix::FindHotKey("Ctrl+Shift+K"));
  HotKeyDecider decider;
  for (auto _ : state) {
    decider.onKey(KeyEvent{17, false, false}, settings);  // Ctrl
    decider.onKey(KeyEvent{16, false, false}, settings);  // Shift
    benchmark::DoNotOptimize(decider.onKey(KeyEvent{'K', false, false}, settings));
    benchmark::DoNotOptimize(decider.onKey(KeyEvent{'K', true, false}, settings));
    decider.onKey(KeyEvent{16, true, false}, settings);
    decider.onKey(KeyEvent{17, true, false}, settings);
  }
  state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_UsedHotKeyFires);

}  // namespace

BENCHMARK_MAIN();
