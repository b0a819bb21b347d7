// Shared pieces of the store tests: a scratch folder, macro files built from
// records, and the index/file/library/ui set every file test needs.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/macro_record.h"
#include "store/recording_hook_library.h"

namespace tavrix::testing_support {

class ScratchFolder {
 public:
  ScratchFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("tavrix_store_test_" + std::to_string(std::random_device{}()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline MacroRecord HotKeyMacro(const std::string& nick, std::uint16_t code, std::int16_t scope = kScopeGlobal,
                               const std::string& text = "hello") {
  MacroRecord r;
  r.SetNickName(nick);
  r.SetActivation(code);
  r.SetScope(scope);
  r.SetActive(1);
  r.SetTopMostOnly(1);
  r.SetIconName("MAIN");
  r.SetMacroText(text);
  return r;
}

inline MacroRecord SystemMacro(int digit, const std::string& nick) {
  MacroRecord r = HotKeyMacro(nick, static_cast<std::uint16_t>(261 + digit), kScopeSystem, "");
  r.SetScopeName(std::string(1, static_cast<char>('0' + digit)));
  return r;
}

inline MacroRecord PopupMacro(const std::string& nick, std::uint16_t code, const std::vector<std::uint16_t>& list) {
  MacroRecord r = HotKeyMacro(nick, code, kScopePopupMenu, "");
  r.SetPopupMenuList(list);
  return r;
}

inline void WriteFile(const std::string& path, const std::vector<MacroRecord>& records, std::size_t extraBytes = 0) {
  std::ofstream out(path, std::ios::binary);
  for (const MacroRecord& r : records) out.write(reinterpret_cast<const char*>(r.bytes().data()), kMacroRecordSize);
  for (std::size_t i = 0; i < extraBytes; ++i) out.put('\x5A');
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The record at macro number n straight from the file's bytes.
inline MacroRecord RecordOnDisk(const std::string& path, int n) {
  const std::string bytes = ReadBytes(path);
  MacroRecord r;
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>((n - 1) * kMacroRecordSize), kMacroRecordSize,
              r.bytes().begin());
  return r;
}

inline std::size_t RecordsOnDisk(const std::string& path) { return ReadBytes(path).size() / kMacroRecordSize; }

// The index, the library, the boxes and the file, wired as the program does.
struct StoreRig {
  SimTrace trace;
  SimUi ui{trace};
  RecordingHookLibrary hooks;
  MacroIndex index;
  LocalDateTime now{2024, 3, 15, 18, 0, 0, 0};
  MacroFile file{index, hooks, ui, [this] { return now; }};

  std::vector<std::string> Messages() const {
    std::vector<std::string> lines;
    for (const std::string& line : trace.Lines())
      if (line.rfind("message ", 0) == 0 || line.rfind("question ", 0) == 0) lines.push_back(line);
    return lines;
  }
};

}  // namespace tavrix::testing_support
