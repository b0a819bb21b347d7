// The store tests' rig: the index, the library, the boxes and the file,
// wired as the program wires them, over the shared scratch folder and
// record builders.
#pragma once

#include <memory>
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

// The nicknames of the file's records, in file order.
inline std::vector<std::string> NickNamesOnDisk(const std::string& path) {
  std::vector<std::string> names;
  for (std::size_t n = 1; n <= RecordsOnDisk(path); ++n) names.push_back(RecordOnDisk(path, static_cast<int>(n)).NickName());
  return names;
}

// n records that are not system activations, named "m1".."mn".
inline std::vector<MacroRecord> PlainMacros(int n) {
  std::vector<MacroRecord> records;
  for (int k = 1; k <= n; ++k) records.push_back(HotKeyMacro("m" + std::to_string(k), 1));
  return records;
}

// A file access (the system's, or another) with faults to order: the
// replace of a removal refused, the writing of the replacement file refused,
// or the n-th write to an open macro file stopping half-way (as on a full
// disk).
class FaultyFileAccess : public FileAccess {
 public:
  FileAccess* base = &SystemFileAccess();
  bool failReplace = false;
  bool failReplacementFile = false;
  int failWriteNumber = 0;  // 1 = the next write to an opened file, 0 = none
  int writes = 0;

  std::unique_ptr<LockedFile> Open(const std::string& path, LockedOpen how, bool* created) override {
    std::unique_ptr<LockedFile> file = base->Open(path, how, created);
    if (!file) return file;
    return std::make_unique<Faulty>(std::move(file), *this);
  }
  bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
    if (failReplacementFile) {
      base->WriteWholeFile(path, bytes.substr(0, bytes.size() / 2));
      return false;
    }
    return base->WriteWholeFile(path, bytes);
  }
  bool Replace(const std::string& from, const std::string& to) override { return !failReplace && base->Replace(from, to); }
  void Remove(const std::string& path) override { base->Remove(path); }
  PathKind Kind(const std::string& path) override { return base->Kind(path); }
  bool ReadPart(const std::string& path, std::uint64_t offset, void* data, std::size_t size) override {
    return base->ReadPart(path, offset, data, size);
  }

 private:
  class Faulty : public LockedFile {
   public:
    Faulty(std::unique_ptr<LockedFile> file, FaultyFileAccess& access) : file_(std::move(file)), access_(access) {}
    std::optional<std::uint64_t> Size() override { return file_->Size(); }
    bool ReadAt(std::uint64_t offset, void* data, std::size_t size) override { return file_->ReadAt(offset, data, size); }
    bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
      if (++access_.writes != access_.failWriteNumber) return file_->WriteAt(offset, data, size);
      file_->WriteAt(offset, data, size / 3);  // part of it reached the disk
      return false;
    }
    bool Flush() override { return file_->Flush(); }
    bool Truncate(std::uint64_t size) override { return file_->Truncate(size); }
    void PrepareForReplace() override { file_->PrepareForReplace(); }

   private:
    std::unique_ptr<LockedFile> file_;
    FaultyFileAccess& access_;
  };
};

struct StoreRig : test_support::SimWorld {
  SimTrace& trace = desktop.Trace();
  RecordingHookLibrary hooks;
  MacroIndex index;
  LocalDateTime now{2024, 3, 15, 18, 0, 0, 0};
  FaultyFileAccess access;
  MacroFile file{index, hooks, ui, [this] { return now; }, access};
};

}  // namespace tavrix::testing_support
