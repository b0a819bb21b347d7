// The running processes with their executables' file names, through the
// process-status functions of PSAPI.DLL, or the process snapshot of
// KERNEL32.DLL where those are missing. Both are loaded by name.
#pragma once

#include <optional>
#include <vector>

#include "platform/desktop.h"

namespace tavrix {

// Every process whose name can be read; processes that cannot be opened are
// left out. Uses the process-status functions when present.
std::vector<ProcessEntry> ListRunningProcesses();

// The two ways, each on its own; nothing when its functions are missing.
std::optional<std::vector<ProcessEntry>> ProcessesFromProcessStatus();
std::optional<std::vector<ProcessEntry>> ProcessesFromSnapshot();

}  // namespace tavrix
