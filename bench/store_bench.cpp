// The macro file's costs at its largest: loading 500 records into the index
// (what every start-up, open and reload pays), saving one record in place,
// reading one record back, and the look for another program's change.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/recording_hook_library.h"

namespace {

using namespace tavrix;

// A hook library that only swallows the calls, so the recording of 500 calls
// per load is not what is measured.
class SilentHookLibrary : public HookLibrary {
 public:
  HookHandle TvxHookKeyboard() override { return 1; }
  HookHandle TvxHookMouse() override { return 2; }
  HookHandle TvxHookCBT() override { return 3; }
  HookHandle TvxHookSwap() override { return 4; }
  void TvxUnHook(HookHandle) override {}
  void TvxUpInit(TableBytes) override {}
  void TvxUpItem(TableBytes table, std::uint16_t n) override { benchmark::DoNotOptimize(table[n]); }
  void TvxUpNumKeys(TableBytes) override {}
  void TvxUpKeys(TableBytes) override {}
  void TvxUpCapture(TableBytes) override {}
  void TvxUpCaptureOn(TableBytes) override {}
  void TvxUpInUse(TableBytes) override {}
  void TvxUpWindow(TableBytes) override {}
  void TvxUpWindow2(TableBytes) override {}
  void TvxUpProg(TableBytes) override {}
  void TvxUpProgs(TableBytes) override {}
  void TvxUpKeyHook(TableBytes) override {}
  void TvxUpMouseHook(TableBytes) override {}
  void TvxUpSwapKeys(SwapTableBytes) override {}
};

std::string WriteFullFile() {
  const std::string path = (std::filesystem::temp_directory_path() / "tavrix_store_bench.TVX").string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (int n = 1; n <= kMaxMacros; ++n) {
    MacroRecord r;
    if (n <= 4) {
      r.SetScope(kScopeSystem);
      r.SetScopeName(std::string(1, static_cast<char>('0' + n)));
      r.SetActivation(static_cast<std::uint16_t>(261 + n));
    } else {
      r.SetScope(kScopeGlobal);
      r.SetActivation(static_cast<std::uint16_t>(n % 720));
      r.SetMacroText(std::string(4000, 'x'));
    }
    r.SetNickName("Macro number " + std::to_string(n));
    r.SetActive(1);
    out.write(reinterpret_cast<const char*>(r.bytes().data()), kMacroRecordSize);
  }
  return path;
}

struct Store {
  SimTrace trace;
  SimUi ui{trace};
  SilentHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, [] { return LocalDateTime{2024, 1, 1, 12, 0, 0, 0}; }};
};

void BM_Load500Records(benchmark::State& state) {
  const std::string path = WriteFullFile();
  Store store;
  for (auto _ : state) {
    store.file.LoadFile(path);
    benchmark::DoNotOptimize(store.index.Count());
  }
  if (store.index.Count() != kMaxMacros) state.SkipWithError("not all records were loaded");
  state.SetItemsProcessed(state.iterations() * kMaxMacros);
  std::filesystem::remove(path);
}
BENCHMARK(BM_Load500Records)->Unit(benchmark::kMicrosecond);

void BM_SaveOneRecordInPlace(benchmark::State& state) {
  const std::string path = WriteFullFile();
  Store store;
  store.file.LoadFile(path);
  MacroRecord record;
  store.file.ReadRecord(250, record);
  for (auto _ : state) {
    if (!store.file.SaveRecord(250, record)) state.SkipWithError("save failed");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveOneRecordInPlace)->Unit(benchmark::kMicrosecond);

void BM_ReadOneRecord(benchmark::State& state) {
  const std::string path = WriteFullFile();
  Store store;
  store.file.LoadFile(path);
  MacroRecord record;
  for (auto _ : state) {
    if (!store.file.ReadRecord(250, record)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(record.bytes()[0]);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadOneRecord)->Unit(benchmark::kMicrosecond);

// The look every hot key takes before it plays: has another program changed
// the file? Settled: written long ago, the stamp alone answers. Just written:
// the stamp may hide a second write, so the bytes are read as well.
void BM_ChangeCheck(benchmark::State& state) {
  const std::string path = WriteFullFile();
  if (state.range(0) == 0)
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
  Store store;
  store.file.LoadFile(path);
  for (auto _ : state) {
    if (store.file.ChangedOnDisk()) state.SkipWithError("an unchanged file was taken as changed");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ChangeCheck)->Arg(0)->ArgName("justWritten")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChangeCheck)->Arg(1)->ArgName("justWritten")->Unit(benchmark::kMicrosecond)->MinTime(0.5);

}  // namespace

BENCHMARK_MAIN();
