// Any bytes as a TAVRX.INI: loading never fails, every value lands within its
// range, and saving the settings into that same file and loading it again
// gives the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/config/configuration.h"
#include "shell/config/memory_profile_file.h"

namespace {

bool AnyFile(const std::string&) { return true; }

bool WithinRanges(const tavrix::Configuration& c) {
  return c.timerSeconds >= 1 && c.timerSeconds <= 60 && c.syncMinutes >= 1 && c.syncMinutes <= 98 &&
         c.systemMenu >= 1 && c.systemMenu <= 3 && c.captureSpeed >= 1 && c.captureSpeed <= 4 &&
         c.gridFont.size >= 1 && !c.gridFont.name.empty() && c.primarySort.size() == 3 &&
         c.scopeSort.size() == 5 && c.prefixKeys.size() <= 2 && !c.currentFile.empty() &&
         c.currentFile.size() <= 250 && c.waveFile.size() <= 250;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tavrix::MemoryProfileFile profile(std::string(reinterpret_cast<const char*>(data), size));
  tavrix::Configuration first;
  first.Load(profile, "C:\\TAVRIX", AnyFile);
  if (!WithinRanges(first)) std::abort();
  first.Save(profile);
  tavrix::Configuration second;
  second.Load(profile, "C:\\TAVRIX", AnyFile);
  if (!(first == second)) std::abort();
  return 0;
}
