// The macro file: a headerless sequence of 5165-byte macro records, the only
// full copy of the macros. Each operation opens the file, does its one job
// and closes it again; every change is mirrored into the index and published
// to the hook library in the same step.
//
// A file that is not a whole number of records, holds more than 500 of them,
// or exists but cannot be read is loaded as far as it safely can be and then
// left alone: every change to it is refused until it has been repaired (or
// can be read), so that no macro in it is ever lost or overwritten.
#pragma once

#include <functional>
#include <ios>
#include <string>

#include "platform/desktop.h"
#include "platform/ui.h"
#include "store/hook_library.h"
#include "store/macro_index.h"
#include "store/macro_record.h"

namespace tavrix {

// The wall clock, for the date of the system activations the file gains.
using Clock = std::function<LocalDateTime()>;

enum class MacroFileState {
  Ready,       // loaded (or created) whole; changes allowed
  Damaged,     // not a whole number of records, or more than 500
  Unreadable,  // exists but could not be opened or read
};

// The four system activations, by digit 1..4.
struct SystemActivation {
  const char* nickName;
  std::uint16_t hotKey;
};
const SystemActivation& SystemActivationFor(int digit);

class MacroFile {
 public:
  MacroFile(MacroIndex& index, HookLibrary& hooks, Ui& ui, Clock now);

  MacroIndex& index() { return index_; }
  const MacroIndex& index() const { return index_; }
  HookLibrary& hooks() { return hooks_; }
  const std::string& Path() const { return path_; }
  MacroFileState State() const { return state_; }

  // Reads record n into `buffer`; false (buffer untouched) when the file
  // cannot be opened or holds no record n.
  bool ReadRecord(int n, MacroRecord& buffer) const;
  // Writes record n in place, or with n = -1 appends it as macro number
  // MacroCount (the caller has raised the count already), and mirrors it into
  // the index and the library (`TvxUpItem`). False when refused or failed;
  // the user has been told why.
  bool SaveRecord(int n, const MacroRecord& record);
  // Rewrites only the active flag of record n; nothing when the file is
  // empty. The caller updates the table itself.
  bool SetActiveOnDisk(int n, std::uint8_t value);
  // Removes record n, moving every later record one place down. The caller
  // reloads the file afterwards.
  bool DeleteRecord(int n);
  // Makes `path` the file, rebuilds the index from it (creating a missing
  // file) and adds any missing system activation.
  void LoadFile(const std::string& path);
  void Reload() { LoadFile(path_); }
  // Rebuilds the index as LoadFile does (canonical nicknames included) but
  // never creates, appends to or changes the file; for viewers. False when
  // the file does not exist or cannot be read.
  bool LoadReadOnly(const std::string& path);

  // Whether changes are allowed; shows why not when they are refused.
  bool CheckCanChange();

 private:
  enum class Mode { Program, ReadOnly };
  bool Load(const std::string& path, Mode mode);
  bool CreateMissingFile();
  void ReadRecordsIntoIndex(std::istream& in, std::uintmax_t size);
  void CheckSystemActivations(Mode mode);
  bool AddSystemActivation(int digit);
  void MarkDamaged();
  bool StillWholeRecords(std::streamoff size);

  MacroIndex& index_;
  HookLibrary& hooks_;
  Ui& ui_;
  Clock now_;
  std::string path_;
  MacroFileState state_ = MacroFileState::Ready;
};

}  // namespace tavrix
