// The store tests' rig: the index, the library, the boxes and the file,
// wired as the program wires them, over the shared scratch folder and
// record builders.
#pragma once

#include <string>
#include <vector>

#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/macro_record.h"
#include "store/recording_hook_library.h"
#include "tests/support/record_builder.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/sim_world.h"

namespace tavrix::testing_support {

using test_support::HotKeyMacro;
using test_support::PopupMacro;
using test_support::RecordOnDisk;
using test_support::RecordsOnDisk;
using test_support::ScratchFolder;
using test_support::SystemMacro;

inline void WriteFile(const std::string& path, const std::vector<MacroRecord>& records, std::size_t extraBytes = 0) {
  test_support::WriteMacroFile(path, records, extraBytes);
}
inline std::string ReadBytes(const std::string& path) { return test_support::ReadFileText(path); }

struct StoreRig : test_support::SimWorld {
  SimTrace& trace = desktop.Trace();
  RecordingHookLibrary hooks;
  MacroIndex index;
  LocalDateTime now{2024, 3, 15, 18, 0, 0, 0};
  MacroFile file{index, hooks, ui, [this] { return now; }};
};

}  // namespace tavrix::testing_support
