// The key swap stage runs for every key the user types in every program
// while any key is remapped: measure its own cost per key event (a remapped
// letter, a letter left as it is) and the whole pipeline with the swap on
// and off.
#include <benchmark/benchmark.h>

#include <array>

#include "base/key_swap_alphabet.h"
#include "hook/hook_pipeline.h"
#include "hook/stages/key_swap_stage.h"
#include "platform/sim/us_keyboard_layout.h"

namespace {

using namespace tavrix::hook;

struct SwapRig {
  SwapRig() {
    for (std::size_t i = 0; i < tavrix::kSwapAlphabetSize; ++i) tables[i] = static_cast<std::uint8_t>(tavrix::kSwapAlphabet[i]);
    tables[tavrix::SwapPosition('a')] = 'b';
    settings.mainWindow = 0x1234;
    settings.swapTables = tables.data();
    settings.layout = &layout;
  }
  std::array<std::uint8_t, tavrix::kSwapAlphabetSize> tables{};
  KeyCharacterMap layout = KeyCharacterMap::build(tavrix::UsKeyScan);
  HookSettings settings;
  KeyStateTracker keys;
};

void StageOnly(benchmark::State& state, std::uint16_t vk) {
  SwapRig rig;
  KeySwapStage stage;
  HookOutcome outcome;
  const HookContext context{rig.settings, rig.keys, rig.keys.modifiers()};
  for (auto _ : state) {
    outcome.reset();
    benchmark::DoNotOptimize(stage.decide(InputEvent::key(vk, false), context, outcome));
    benchmark::DoNotOptimize(stage.decide(InputEvent::key(vk, true), context, outcome));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

void BM_SwapStageRemappedKey(benchmark::State& state) { StageOnly(state, 'A'); }
BENCHMARK(BM_SwapStageRemappedKey);

void BM_SwapStageUnchangedKey(benchmark::State& state) { StageOnly(state, 'C'); }
BENCHMARK(BM_SwapStageUnchangedKey);

void Pipeline(benchmark::State& state, bool swapOn) {
  SwapRig rig;
  if (!swapOn) rig.settings.swapTables = nullptr;
  HookPipeline pipeline;
  std::uint16_t letter = 'A';
  for (auto _ : state) {
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key(letter, false), rig.settings));
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key(letter, true), rig.settings));
    letter = letter == 'Z' ? 'A' : letter + 1;
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

void BM_PipelineTypingWithSwapOn(benchmark::State& state) { Pipeline(state, true); }
BENCHMARK(BM_PipelineTypingWithSwapOn);

void BM_PipelineTypingWithSwapOff(benchmark::State& state) { Pipeline(state, false); }
BENCHMARK(BM_PipelineTypingWithSwapOff);

}  // namespace
BENCHMARK_MAIN();
