// Any bytes as a macro file: loading it for viewing, listing and dumping
// every macro, loading it as the program does, and saving a macro back.
// Whatever the bytes, nothing crashes, and no whole record of the file is
// ever moved or changed by a load: the program may only add records at the
// end (the missing system activations) and move a cut-off last record into
// its side file, and a saved record reads back byte for byte.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/recording_hook_library.h"

namespace {

namespace fs = std::filesystem;

const fs::path& ScratchFile() {
  static const fs::path path = [] {
    const fs::path folder = fs::temp_directory_path() / ("tavrix-record-fuzz-" + std::to_string(getpid()));
    fs::create_directories(folder);
    return folder / "FUZZ.TVX";
  }();
  return path;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void Check(bool condition) {
  if (!condition) std::abort();
}

// Every field of every listed macro, as `tavrix dump` reads them.
void DumpEverything(const tavrix::MacroFile& file) {
  for (int n = 1; n <= file.index().Count(); ++n) {
    tavrix::MacroRecord record;
    if (!file.ReadRecord(n, record)) continue;
    std::size_t sink = record.NickName().size() + record.ScopeName().size() + record.WordletText().size() +
                       record.MacroText().size() + record.IconName().size() + record.PopupMenuList().size();
    sink += record.Activation() + static_cast<std::size_t>(record.Scope() & 0xFF) + record.SchedInterval();
    Check(sink < (1u << 30));
    Check(file.index().NickName(n).size() <= tavrix::kNickNameCapacity);
  }
}

tavrix::LocalDateTime FixedNow() { return {2026, 12, 7, 12, 0, 0, 0}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  const fs::path& path = ScratchFile();
  WriteAll(path, original);
  const std::size_t wholeRecords = std::min<std::size_t>(size / tavrix::kMacroRecordSize, tavrix::kMaxMacros);
  const std::size_t kept = wholeRecords * tavrix::kMacroRecordSize;

  tavrix::SimTrace trace;
  trace.SetEnabled(false);
  tavrix::SimUi ui(trace);
  tavrix::RecordingHookLibrary hooks;
  tavrix::MacroIndex index;
  tavrix::MacroFile file(index, hooks, ui, FixedNow);

  // A viewer's load never changes a byte.
  file.LoadReadOnly(path.string());
  Check(index.Count() >= 0 && index.Count() <= tavrix::kMaxMacros);
  DumpEverything(file);
  Check(ReadAll(path) == original);

  // The program's load keeps every whole record where it was, and the bytes
  // of a cut-off last record in the side file.
  const fs::path side = tavrix::MacroFile::CutOffTailFile(path.string());
  fs::remove(side);
  file.LoadFile(path.string());
  DumpEverything(file);
  const std::string afterLoad = ReadAll(path);
  Check(afterLoad.size() >= kept && afterLoad.compare(0, kept, original, 0, kept) == 0);
  if (fs::exists(side)) Check(ReadAll(side) == original.substr(kept));
  fs::remove(side);

  // A record saved in place reads back as it was written.
  if (file.State() == tavrix::MacroFileState::Ready && index.Count() >= 1) {
    tavrix::MacroRecord record;
    if (file.ReadRecord(1, record)) {
      record.SetNickName("fuzzed " + record.NickName());
      if (file.SaveRecord(1, record)) {
        tavrix::MacroRecord again;
        Check(file.ReadRecord(1, again) && again.bytes() == record.bytes());
      }
    }
  }
  return 0;
}
