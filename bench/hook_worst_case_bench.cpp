// The hook path's worst case: every key and click the user makes waits for
// the hook thread's decision, so what counts is the slowest event, not the
// average. Each event here takes the settings as the hooks do and runs the
// pipeline, while another thread publishes the table as the program does
// when macros are edited or played; reported are p99 and max per event.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "base/hot_key_table.h"
#include "hook/hook_pipeline.h"
#include "hook/library_state.h"

namespace {

using tavrix::hook::HookPipeline;
using tavrix::hook::InputEvent;
using tavrix::hook::LibraryState;
using tavrix::hook::PublishCall;

void BM_HookEventWhilePublishing(benchmark::State& state) {
  LibraryState library;
  std::vector<std::uint8_t> table(tavrix::hook::kTableSize, 0);
  table[17 + *tavrix::FindHotKey("Ctrl+Shift+K")] = 1;
  library.publish(PublishCall::Init, table.data());
  std::atomic<bool> done{false};
  std::thread publisher([&] {
    for (std::uint16_t n = 1; !done.load(std::memory_order_relaxed); n = n % 500 + 1) {
      library.publish(PublishCall::Item, table.data(), n);
      library.publish(PublishCall::Keys, table.data());
      library.publish(PublishCall::InUse, table.data());
    }
  });
  HookPipeline pipeline;
  std::vector<double> nanoseconds;
  nanoseconds.reserve(1 << 20);
  std::uint16_t letter = 'A';
  bool up = false;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(pipeline.decide(InputEvent::key(letter, up, false), library.hookSettings()));
    const auto end = std::chrono::steady_clock::now();
    nanoseconds.push_back(std::chrono::duration<double, std::nano>(end - start).count());
    if (up) letter = letter == 'Z' ? 'A' : letter + 1;
    up = !up;
  }
  done = true;
  publisher.join();
  std::sort(nanoseconds.begin(), nanoseconds.end());
  state.counters["p99_ns"] = nanoseconds[nanoseconds.size() * 99 / 100];
  state.counters["max_ns"] = nanoseconds.back();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HookEventWhilePublishing)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
