// Network mode's costs on a local file: one file-in-use check with its
// release (median and 99th percentile of single calls), and four processes
// making 100 changes each through the lock at the same time (changes per
// second, every one appended to the macro file).
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/network_lock.h"
#include "store/recording_hook_library.h"

namespace {

using namespace tavrix;

class QuietUi : public Ui {
 public:
  void ShowMessage(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  ModalResult RunForm(Form&) override { return ModalResult::Cancel; }
  void EndForm(Form&, ModalResult) override {}
  std::optional<std::string> AskFileName(const FileDialogRequest&) override { return std::nullopt; }
};

LocalDateTime Noon() { return LocalDateTime{2024, 1, 1, 12, 0, 0, 0}; }

std::string Folder() {
  const auto folder = std::filesystem::temp_directory_path() / ("tavrix_lock_bench_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string();
}

void BM_FileInUseAndRelease(benchmark::State& state) {
  const std::string folder = Folder();
  QuietUi ui;
  NetworkLockHost host;
  NetworkLock lock{ui, Noon, host};
  lock.SetEnabled(true);
  lock.Prepare(folder + "/SHARED.TVX");
  std::vector<double> micros;
  micros.reserve(1 << 16);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (lock.FileInUse()) state.SkipWithError("the lock was in use");
    lock.ReleaseSyncFile(false);
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(micros.begin(), micros.end());
  if (!micros.empty()) {
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FileInUseAndRelease)->Unit(benchmark::kMicrosecond);

// One copy of the program making `changes` appends through the lock; a busy
// or changed answer is simply asked again (after a reload).
int Changer(const std::string& macroPath, int changes) {
  QuietUi ui;
  RecordingHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, Noon};
  struct Reloader : NetworkLockHost {
    MacroFile* file = nullptr;
    void ReloadEverything() override { file->Reload(); }
  } host;
  host.file = &file;
  NetworkLock lock{ui, Noon, host};
  lock.SetEnabled(true);
  if (!lock.Prepare(macroPath)) return 1;
  file.LoadFile(macroPath);
  MacroRecord record;
  record.SetNickName("bench");
  record.SetScope(kScopeGlobal);
  record.SetActivation(kTimedActivation);
  for (int done = 0; done < changes;) {
    if (lock.FileInUse()) continue;
    index.SetCount(index.Count() + 1);
    const bool saved = file.SaveRecord(-1, record);
    lock.ReleaseSyncFile(saved);
    if (!saved) return 1;
    ++done;
  }
  return 0;
}

void BM_FourProcessesHundredChangesEach(benchmark::State& state) {
  constexpr int kProcesses = 4;
  constexpr int kChanges = 100;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = Folder();
    const std::string macroPath = folder + "/SHARED.TVX";
    state.ResumeTiming();
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
      const pid_t child = ::fork();
      if (child == 0) ::_exit(Changer(macroPath, kChanges));
      children.push_back(child);
    }
    bool failed = false;
    for (const pid_t child : children) {
      int status = 0;
      ::waitpid(child, &status, 0);
      failed = failed || !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    state.PauseTiming();
    // Every change is in the file, after the four system activations.
    const auto size = std::filesystem::file_size(macroPath);
    if (failed || size != (kProcesses * kChanges + 4) * kMacroRecordSize) state.SkipWithError("changes were lost");
    std::filesystem::remove_all(folder);
    state.ResumeTiming();
  }
  state.counters["changes_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kProcesses * kChanges, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FourProcessesHundredChangesEach)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
