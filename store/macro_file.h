// The macro file: a headerless sequence of 5165-byte macro records, the only
// full copy of the macros. Each operation opens the file, does its one job
// and closes it again; every change is mirrored into the index and published
// to the hook library in the same step.
//
// Every change holds the file's lock (FileAccess) from its reading of the
// size to the end of its write, so two copies of the program, or the program
// and the tavrix tool, never interleave their changes. An append that fails
// is cut back to the old size; a removal writes the new file beside the old
// one and replaces it in one step.
//
// A file that ends in a cut-off record (a crash in the middle of an append)
// is loaded whole record by whole record; the cut-off bytes are moved into
// the side file named by CutOffTailFile() and changes go on. A file that
// holds more than 500 records, or exists but cannot be read, is loaded as far
// as it safely can be and then left alone: every change to it is refused
// until it has been repaired (or can be read), so that no macro in it is ever
// lost or overwritten.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <ios>
#include <string>

#include "platform/desktop.h"
#include "platform/ui.h"
#include "store/file_access.h"
#include "store/file_version.h"
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
  MacroFile(MacroIndex& index, HookLibrary& hooks, Ui& ui, Clock now, FileAccess& access = SystemFileAccess());

  MacroIndex& index() { return index_; }
  const MacroIndex& index() const { return index_; }
  HookLibrary& hooks() { return hooks_; }
  FileAccess& access() { return access_; }
  const std::string& Path() const { return path_; }
  MacroFileState State() const { return state_; }

  // Reads record n into `buffer`; false (buffer untouched) when the file
  // cannot be opened or holds no record n.
  bool ReadRecord(int n, MacroRecord& buffer) const;
  // Writes record n in place, or with n = -1 appends it after the last
  // record (the caller has raised the count already), and mirrors it into the
  // index and the library (`TvxUpItem`). When another copy appended records
  // since the load, the appended one gets the number after theirs and the
  // index is read again from the file. False when refused or failed (an
  // append is then cut back); the user has been told why.
  bool SaveRecord(int n, const MacroRecord& record);
  // Saves `record` at n only when n still holds `read` byte for byte (the
  // record the caller read before its dialog); otherwise the user is told
  // and nothing changes.
  bool SaveRecordOver(int n, const MacroRecord& read, const MacroRecord& record);
  // The macro number the last successful SaveRecord wrote.
  int LastSavedNumber() const { return lastSaved_; }
  // Rewrites only the active flag of record n; nothing when the file is
  // empty. The caller updates the table itself.
  bool SetActiveOnDisk(int n, std::uint8_t value);
  // Removes record n: every later record moves one place down and every
  // popup-menu list loses n and has its later numbers lowered. The new file
  // is written beside the macro file and replaces it in one step; on failure
  // the file and the index are exactly as they were and the user is told.
  // The caller reloads the file after a success. With `expected`, n must
  // still hold that record byte for byte (else the user is told, and nothing
  // changes).
  bool DeleteRecord(int n, const MacroRecord* expected = nullptr);
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
  // Whether another program has changed the file since this copy last
  // loaded it: the index may no longer match it. A change this copy writes
  // after another program's never hides the other one.
  bool ChangedOnDisk();

  // Where a load puts the bytes of a cut-off last record: the macro file's
  // name followed by ".CUT" ("C:\TAVRX.TVX" gives "C:\TAVRX.TVX.CUT").
  // Later cut-off tails are added to its end.
  static std::string CutOffTailFile(const std::string& macroPath);
  // The file a removal writes before it replaces the macro file.
  static std::string ReplacementFile(const std::string& macroPath);

 private:
  enum class Mode { Program, ReadOnly };
  bool Load(const std::string& path, Mode mode);
  std::unique_ptr<LockedFile> OpenForChange();
  // The whole records of the open file into the index, then its tail.
  bool ReadRecordsIntoIndex(LockedFile& file, std::uint64_t size, Mode mode);
  bool MoveCutOffTail(LockedFile& file, std::uint64_t size);
  void CanonicalSystemNickNames(std::array<bool, 5>& present);
  void CheckSystemActivations(LockedFile* file, Mode mode);
  bool Append(LockedFile& file, std::uint64_t size, const MacroRecord& record);
  bool SaveRecordIn(LockedFile& file, int n, const MacroRecord& record);
  void MarkDamaged();
  bool StillWholeRecords(std::uint64_t size);
  // Called with the file's lock held before a change: whether the file is
  // still as this copy left it.
  void NoteChangesBeforeOurs(LockedFile& file);

  MacroIndex& index_;
  HookLibrary& hooks_;
  Ui& ui_;
  Clock now_;
  FileAccess& access_;
  std::string path_;
  MacroFileState state_ = MacroFileState::Ready;
  int lastSaved_ = 0;
  FileVersion version_{access_};  // the file as this copy last loaded or wrote it
  bool changedBehindUs_ = false;    // another program wrote before one of our changes
};

}  // namespace tavrix
