// Any bytes as a key-swap file and as a lock file. The key-swap file loads
// only when it is exactly the 93 bytes; a remap's save then replaces any
// other file except one of whole macro records, which stays byte for byte.
// The lock is taken and given back whatever the lock file held, and is then
// one whole free record whose ChangeCount counts the change.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "store/key_swap_file.h"
#include "store/macro_record.h"
#include "store/memory_file_access.h"
#include "store/network_lock.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void SwapFile(tavrix::MemoryFileAccess& access, const std::string& bytes) {
  access.Put("K.TVS", bytes);
  std::array<std::uint8_t, tavrix::kSwapTablesSize> tables{};
  const tavrix::SwapFileResult loaded = tavrix::GetSwapFile("K.TVX", tables, access);
  const std::string got(tables.begin(), tables.end());
  if (bytes.size() == tavrix::kSwapTablesSize) {
    Check(loaded == tavrix::SwapFileResult::Loaded && got == bytes);
  } else {
    Check(loaded == tavrix::SwapFileResult::Unusable && got == tavrix::SwapAlphabet());
  }
  Check(*access.Find("K.TVS") == bytes);  // loading never writes

  tables[0] = 'b';
  const tavrix::SwapSaveResult saved = tavrix::SaveSwapKeys("K.TVS", tables, access);
  const bool macroFile = !bytes.empty() && bytes.size() % tavrix::kMacroRecordSize == 0;
  Check(saved == (macroFile ? tavrix::SwapSaveResult::MacroFileThere : tavrix::SwapSaveResult::Saved));
  const std::string expected = macroFile ? bytes : std::string(tables.begin(), tables.end());
  Check(*access.Find("K.TVS") == expected && access.Find("K.TVS.NEW") == nullptr);
}

void LockFile(tavrix::MemoryFileAccess& access, const std::string& bytes) {
  access.Put("K.MAS", bytes);
  tavrix::SimTrace trace;
  trace.SetEnabled(false);
  tavrix::SimUi ui(trace);
  tavrix::NetworkLockHost host;
  tavrix::NetworkLock lock(ui, [] { return tavrix::LocalDateTime{2026, 12, 7, 12, 0, 0, 0}; }, host, access);
  lock.SetEnabled(true);
  Check(lock.Prepare("K.TVX"));
  const bool inUse = lock.FileInUse();
  Check(inUse != lock.Holding());
  if (!lock.Holding()) return;
  const int known = lock.KnownCount();
  lock.ReleaseSyncFile(true);
  const std::string* after = access.Find("K.MAS");
  Check(after && after->size() == tavrix::kLockRecordSize);
  const tavrix::LockRecord record =
      tavrix::LockRecord::Decode(std::span(reinterpret_cast<const std::uint8_t*>(after->data()), after->size()));
  Check(record.lockState == tavrix::kLockFree);
  Check(record.changeCount == static_cast<std::int32_t>(static_cast<std::uint32_t>(known) + 1u));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tavrix::MemoryFileAccess access;
  access.Clear();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  SwapFile(access, bytes);
  LockFile(access, bytes);
  return 0;
}
