// Any bytes as a macro file: loading it for viewing, listing and dumping
// every macro, loading it as the program does, and saving a macro back.
// Whatever the bytes, nothing crashes, and no whole record of the file is
// ever moved or changed by a load: the program may only add records at the
// end (the missing system activations) and move a cut-off last record into
// its side file, and a saved record reads back byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/memory_file_access.h"
#include "store/recording_hook_library.h"

namespace {

// The files live in memory: no disk, no fsync per input.
constexpr const char* kPath = "FUZZ.TVX";

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
  static tavrix::MemoryFileAccess files;
  files.Clear();
  files.Put(kPath, original);
  const auto bytesOf = [](const std::string& path) {
    const std::string* bytes = files.Find(path);
    return bytes ? *bytes : std::string();
  };
  const std::size_t wholeRecords = std::min<std::size_t>(size / tavrix::kMacroRecordSize, tavrix::kMaxMacros);
  const std::size_t kept = wholeRecords * tavrix::kMacroRecordSize;

  tavrix::SimTrace trace;
  trace.SetEnabled(false);
  tavrix::SimUi ui(trace);
  tavrix::RecordingHookLibrary hooks;
  tavrix::MacroIndex index;
  tavrix::MacroFile file(index, hooks, ui, FixedNow, files);

  // A viewer's load never changes a byte.
  file.LoadReadOnly(kPath);
  Check(index.Count() >= 0 && index.Count() <= tavrix::kMaxMacros);
  DumpEverything(file);
  Check(bytesOf(kPath) == original);

  // The program's load keeps every whole record where it was, and the bytes
  // of a cut-off last record in the side file.
  const std::string side = tavrix::MacroFile::CutOffTailFile(kPath);
  file.LoadFile(kPath);
  DumpEverything(file);
  const std::string afterLoad = bytesOf(kPath);
  Check(afterLoad.size() >= kept && afterLoad.compare(0, kept, original, 0, kept) == 0);
  if (files.Find(side)) Check(bytesOf(side) == original.substr(kept));

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
