// Every character the user types costs the hook a Wordlet report and, in
// prefix mode, the program a match against every Wordlet: measure both per
// typed character, with 500 macros of which 100 have Wordlets.
#include <benchmark/benchmark.h>

#include <string>

#include "activation/wordlets.h"
#include "hook/hook_pipeline.h"
#include "store/macro_index.h"
#include "store/macro_record.h"

namespace {

using tavrix::hook::HookPipeline;
using tavrix::hook::HookSettings;
using tavrix::hook::InputEvent;

void BM_HookReportsATypedCharacter(benchmark::State& state) {
  HookSettings settings;
  settings.mainWindow = 0x1234;
  settings.hasWordlets = true;
  HookPipeline pipeline;
  std::uint16_t letter = 'A';
  for (auto _ : state) {
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key(letter, false, false), settings));
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key(letter, true, false), settings));
    letter = letter == 'Z' ? 'A' : letter + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HookReportsATypedCharacter);

// 500 macros, every fifth a Wordlet "w0".."w99" (none of them typed below).
tavrix::MacroIndex FilledIndex() {
  tavrix::MacroIndex index;
  for (int n = 1; n <= tavrix::kMaxMacros; ++n) {
    tavrix::MacroRecord r;
    r.SetActive(1);
    r.SetScope(tavrix::kScopeGlobal);
    if (n % 5 == 0) {
      r.SetActivation(tavrix::kWordletActivation);
      r.SetWordletText("w" + std::to_string(n / 5 - 1));
    } else {
      r.SetActivation(static_cast<std::uint16_t>(n % 700));
    }
    index.TakeRecord(n, r);
  }
  index.SetCount(tavrix::kMaxMacros);
  return index;
}

void MatchPerCharacter(benchmark::State& state, const tavrix::WordletOptions& options) {
  const tavrix::MacroIndex index = FilledIndex();
  tavrix::WordletMatcher matcher;
  const std::string text = "the quick brown fox jumps over the lazy dog ";
  std::size_t at = 0;
  for (auto _ : state) {
    const auto step = matcher.Feed(0, static_cast<std::uint8_t>(text[at]), options);
    if (step != tavrix::WordletMatcher::Step::None) benchmark::DoNotOptimize(matcher.Matches(index, options));
    at = at + 1 == text.size() ? 0 : at + 1;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_WordletMatchPrefixMode(benchmark::State& state) { MatchPerCharacter(state, {}); }
BENCHMARK(BM_WordletMatchPrefixMode);

void BM_WordletMatchCaseInsensitive(benchmark::State& state) { MatchPerCharacter(state, {false, false, "", false}); }
BENCHMARK(BM_WordletMatchCaseInsensitive);

}  // namespace

BENCHMARK_MAIN();
