#include "store/macro_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>
#include <vector>

#include "store/date_time.h"

namespace tavrix {

namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kWarningTitle = "Warning";
constexpr const char* kSaveFailed = "Saving of keystrokes failed.";
constexpr const char* kNewFileFailed = "New file could not be created.";
constexpr const char* kMaximumReached = "Maximum number of hot keys has been reached.  Add not allowed.";
constexpr const char* kNotRemoved = "The macro could not be removed from the macro file.";
constexpr std::uint64_t kRecord = kMacroRecordSize;

const std::array<SystemActivation, 4> kSystemActivations{{
    {"Activate Tavrix", 262},
    {"Start / Stop Capture", 263},
    {"Resume Pause", 264},
    {"Menu of Macros for Top Most Window", 265},
}};

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

bool IsKeySwapFileName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string last = path.substr(path.size() - 4);
  for (char& c : last) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return last == ".TVS";
}

// The list without `removed`, every later number one lower.
std::vector<std::uint16_t> Renumbered(const std::vector<std::uint16_t>& list, int removed) {
  std::vector<std::uint16_t> result;
  for (const std::uint16_t number : list) {
    if (number == removed) continue;
    result.push_back(number > removed ? static_cast<std::uint16_t>(number - 1) : number);
  }
  return result;
}

MacroRecord RecordAt(const std::string& bytes, std::uint64_t n) {
  MacroRecord record;
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>((n - 1) * kRecord), kRecord, record.bytes().begin());
  return record;
}

}  // namespace

const SystemActivation& SystemActivationFor(int digit) {
  if (digit < 1 || digit > 4) throw std::out_of_range("system activation digit must be 1..4");
  return kSystemActivations[static_cast<std::size_t>(digit - 1)];
}

std::string MacroFile::CutOffTailFile(const std::string& macroPath) { return macroPath + ".CUT"; }
std::string MacroFile::ReplacementFile(const std::string& macroPath) { return tavrix::ReplacementFile(macroPath); }

MacroFile::MacroFile(MacroIndex& index, HookLibrary& hooks, Ui& ui, Clock now, FileAccess& access)
    : index_(index), hooks_(hooks), ui_(ui), now_(std::move(now)), access_(access) {}

bool MacroFile::CheckCanChange() {
  switch (state_) {
    case MacroFileState::Ready:
      return true;
    case MacroFileState::Damaged:
      ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                       " is damaged and cannot be changed until it is repaired.");
      return false;
    case MacroFileState::Unreadable:
      ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                       " could not be read and cannot be changed until it can be opened.");
      return false;
  }
  return false;
}

void MacroFile::MarkDamaged() { state_ = MacroFileState::Damaged; }

bool MacroFile::ReadRecord(int n, MacroRecord& buffer) const {
  if (n < 1 || n > kMaxMacros) return false;
  MacroRecord::Bytes bytes;
  if (!access_.ReadPart(path_, static_cast<std::uint64_t>(n - 1) * kRecord, bytes.data(), kRecord)) return false;
  buffer.bytes() = bytes;
  return true;
}

// A file that stopped being a whole number of records after it was loaded
// (changed behind our back) is damaged from now on: the user is told, and the
// change is refused.
bool MacroFile::StillWholeRecords(std::uint64_t size) {
  if (size % kRecord == 0) return true;
  MarkDamaged();
  CheckCanChange();
  return false;
}

std::unique_ptr<LockedFile> MacroFile::OpenForChange() {
  std::unique_ptr<LockedFile> file = access_.Open(path_, LockedOpen::Change);
  if (!file) ui_.ShowMessage(kErrorTitle, kSaveFailed);
  if (file) NoteChangesBeforeOurs(*file);
  return file;
}

void MacroFile::NoteChangesBeforeOurs(LockedFile& file) {
  if (version_.Differs(path_, &file)) changedBehindUs_ = true;
}

bool MacroFile::ChangedOnDisk() { return changedBehindUs_ || version_.Differs(path_); }

bool MacroFile::SaveRecord(int n, const MacroRecord& record) {
  if (!CheckCanChange()) return false;
  const std::unique_ptr<LockedFile> file = OpenForChange();
  return file && SaveRecordIn(*file, n, record);
}

// Under the lock, record n must still be the one the caller read: another
// copy may have removed a record before it (everything after moves down) or
// changed this one since. Saving then would overwrite a neighbour.
bool MacroFile::SaveRecordOver(int n, const MacroRecord& read, const MacroRecord& record) {
  if (!CheckCanChange()) return false;
  const std::unique_ptr<LockedFile> file = OpenForChange();
  if (!file) return false;
  const std::optional<std::uint64_t> size = file->Size();
  MacroRecord onDisk;
  const bool same = size && n >= 1 && static_cast<std::uint64_t>(n) * kRecord <= *size &&
                    file->ReadAt(static_cast<std::uint64_t>(n - 1) * kRecord, onDisk.bytes().data(), kRecord) &&
                    onDisk.bytes() == read.bytes();
  if (!same) {
    ui_.ShowMessage(kErrorTitle, "Macro " + std::to_string(n) +
                                     " was changed or moved by another program since it was read, so nothing was "
                                     "saved.  Please try again.");
    return false;
  }
  return SaveRecordIn(*file, n, record);
}

bool MacroFile::SaveRecordIn(LockedFile& file, int n, const MacroRecord& record) {
  const std::optional<std::uint64_t> size = file.Size();
  if (!size) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  if (!StillWholeRecords(*size)) return false;
  const std::uint64_t records = *size / kRecord;
  if (n == -1) {
    if (index_.Count() < 1) {  // an append whose caller did not raise the count
      ui_.ShowMessage(kErrorTitle, kSaveFailed);
      return false;
    }
    if (records >= static_cast<std::uint64_t>(kMaxMacros)) {
      ui_.ShowMessage(kErrorTitle, kMaximumReached);
      return false;
    }
    return Append(file, *size, record);
  }
  if (n > kMaxMacros) {
    ui_.ShowMessage(kErrorTitle, kMaximumReached);
    return false;
  }
  if (n < 1 || static_cast<std::uint64_t>(n) > records + 1) {  // would leave a gap of undefined records
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  if (static_cast<std::uint64_t>(n) == records + 1) return Append(file, *size, record);
  if (!file.WriteAt((n - 1) * kRecord, record.bytes().data(), kRecord) || !file.Flush()) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  version_.Remember(path_, &file);
  index_.TakeRecord(n, record);
  hooks_.TvxUpItem(index_.table().bytes(), static_cast<std::uint16_t>(n));
  lastSaved_ = n;
  return true;
}

// Appending never overwrites: the record goes after every record the file
// holds now, even when another copy appended some since the load. A write
// that fails half-way is cut back, so the file stays whole records.
bool MacroFile::Append(LockedFile& file, std::uint64_t size, const MacroRecord& record) {
  if (!file.WriteAt(size, record.bytes().data(), kRecord) || !file.Flush()) {
    file.Truncate(size);
    file.Flush();
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  version_.Remember(path_, &file);
  const int n = static_cast<int>(size / kRecord) + 1;
  lastSaved_ = n;
  if (n == index_.Count()) {
    index_.TakeRecord(n, record);
    hooks_.TvxUpItem(index_.table().bytes(), static_cast<std::uint16_t>(n));
    return true;
  }
  // The file changed behind our back: the index follows the file.
  index_.Clear();
  ReadRecordsIntoIndex(file, size + kRecord, Mode::Program);
  std::array<bool, 5> present{};
  CanonicalSystemNickNames(present);
  hooks_.TvxUpNumKeys(index_.table().bytes());
  return true;
}

bool MacroFile::SetActiveOnDisk(int n, std::uint8_t value) {
  if (!CheckCanChange()) return false;
  const std::unique_ptr<LockedFile> file = OpenForChange();
  if (!file) return false;
  const std::optional<std::uint64_t> size = file->Size();
  if (!size || *size == 0) return false;
  if (!StillWholeRecords(*size)) return false;
  if (n < 1 || static_cast<std::uint64_t>(n) > *size / kRecord) return false;
  MacroRecord record;
  if (!file->ReadAt((n - 1) * kRecord, record.bytes().data(), kRecord)) return false;
  record.SetActive(value);
  if (!file->WriteAt((n - 1) * kRecord, record.bytes().data(), kRecord) || !file->Flush()) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  version_.Remember(path_, file.get());
  return true;
}

bool MacroFile::DeleteRecord(int n, const MacroRecord* expected) {
  if (!CheckCanChange()) return false;
  const std::unique_ptr<LockedFile> file = OpenForChange();
  if (!file) return false;
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) return false;
  if (!StillWholeRecords(*size)) return false;
  const std::uint64_t records = *size / kRecord;
  std::string bytes(static_cast<std::size_t>(*size), '\0');
  if (!file->ReadAt(0, bytes.data(), bytes.size())) {
    ui_.ShowMessage(kErrorTitle, kNotRemoved);
    return false;
  }
  // Another program may have removed or changed records since the caller
  // chose macro n: then n names another macro, which must stay.
  if (n < 1 || static_cast<std::uint64_t>(n) > records || (expected && RecordAt(bytes, n).bytes() != expected->bytes())) {
    ui_.ShowMessage(kErrorTitle, "Macro " + std::to_string(n) +
                                     " was changed, moved or removed by another program since it was chosen, so "
                                     "nothing was removed.  Please try again.");
    return false;
  }

  std::string remaining;
  remaining.reserve(bytes.size() - kRecord);
  for (std::uint64_t k = 1; k <= records; ++k) {
    if (k == static_cast<std::uint64_t>(n)) continue;
    MacroRecord record = RecordAt(bytes, k);
    if (record.Scope() == kScopePopupMenu) {
      const std::vector<std::uint16_t> list = record.PopupMenuList();
      const std::vector<std::uint16_t> updated = Renumbered(list, n);
      if (updated != list) record.SetPopupMenuList(updated);
    }
    remaining.append(reinterpret_cast<const char*>(record.bytes().data()), kRecord);
  }

  // The new file is written whole beside the old one and takes its place in
  // one step, still under the lock: a failure or a crash at any moment leaves
  // either the old file or the new one, never a mixture.
  const std::string replacement = ReplacementFile(path_);
  bool replaced = access_.WriteWholeFile(replacement, remaining);
  if (replaced) {
    file->PrepareForReplace();
    replaced = access_.Replace(replacement, path_);
  }
  if (!replaced) {
    access_.Remove(replacement);
    ui_.ShowMessage(kErrorTitle, kNotRemoved);
    return false;
  }
  version_.Forget();  // the caller reloads it
  return true;
}

void MacroFile::LoadFile(const std::string& path) { Load(path, Mode::Program); }
bool MacroFile::LoadReadOnly(const std::string& path) { return Load(path, Mode::ReadOnly); }

bool MacroFile::Load(const std::string& path, Mode mode) {
  path_ = path;
  state_ = MacroFileState::Ready;
  index_.Clear();
  changedBehindUs_ = false;
  version_.Forget();

  const bool missing = access_.Kind(path_) == PathKind::Missing;
  if (missing && mode == Mode::ReadOnly) return false;
  if (missing && IsKeySwapFileName(path_)) {
    // That name belongs to the key-swap file of the macro file beside it.
    state_ = MacroFileState::Unreadable;
    hooks_.TvxUpNumKeys(index_.table().bytes());
    ui_.ShowMessage(kErrorTitle, "Invalid file type selected.");
    return false;
  }

  // Anything that exists is never emptied or recreated, even when it cannot
  // be read now; a missing file is created without ever emptying one that
  // another copy has just made. The whole load, the system activations
  // included, holds the lock, so two copies loading a new file at the same
  // moment add the system activations once.
  bool created = false;
  std::unique_ptr<LockedFile> file =
      access_.Open(path_, mode == Mode::ReadOnly ? LockedOpen::Read : LockedOpen::ChangeOrCreate, &created);
  // A file we may read but not write loads all the same; its changes fail
  // when they are made.
  if (!file && !missing && mode == Mode::Program) file = access_.Open(path_, LockedOpen::Read);
  const std::optional<std::uint64_t> size = file ? file->Size() : std::nullopt;
  if (!size) {
    version_.Remember(path_, file.get());  // looked at again only once something changes it
    hooks_.TvxUpNumKeys(index_.table().bytes());
    if (missing && access_.Kind(path_) == PathKind::Missing) {
      ui_.ShowMessage(kErrorTitle, kNewFileFailed);
      return false;
    }
    state_ = MacroFileState::Unreadable;
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                     " could not be opened.  Tavrix will not change this file until it can be opened.");
    return false;
  }
  ReadRecordsIntoIndex(*file, *size, mode);
  hooks_.TvxUpNumKeys(index_.table().bytes());
  CheckSystemActivations(file.get(), mode);
  version_.Remember(path_, file.get());
  return state_ == MacroFileState::Ready;
}

bool MacroFile::ReadRecordsIntoIndex(LockedFile& file, std::uint64_t size, Mode mode) {
  const std::uint64_t wholeRecords = size / kRecord;
  const bool partial = size % kRecord != 0;
  const int toLoad = static_cast<int>(std::min<std::uint64_t>(wholeRecords, kMaxMacros));

  std::vector<std::uint8_t> data(static_cast<std::size_t>(toLoad) * kRecord);
  int loaded = toLoad;
  if (!data.empty() && !file.ReadAt(0, data.data(), data.size())) loaded = 0;

  MacroRecord record;
  for (int n = 1; n <= loaded; ++n) {
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>((n - 1) * kRecord), kRecord, record.bytes().begin());
    index_.SetCount(n);
    index_.TakeRecord(n, record);
    hooks_.TvxUpItem(index_.table().bytes(), static_cast<std::uint16_t>(n));
  }

  if (loaded < toLoad) {
    state_ = MacroFileState::Unreadable;
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) + " could not be read completely.  Only the first " +
                                     std::to_string(loaded) +
                                     " macros were loaded.  Tavrix will not change this file until it can be read.");
  } else if (wholeRecords > static_cast<std::uint64_t>(kMaxMacros)) {
    MarkDamaged();
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                     " holds more than 500 macros.  Only the first 500 were loaded.  Tavrix will "
                                     "not change this file until it is repaired.");
  } else if (partial && (mode == Mode::ReadOnly || !MoveCutOffTail(file, size))) {
    MarkDamaged();
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                     " is damaged: its size is not a whole number of macros.  Only the first " +
                                     std::to_string(loaded) +
                                     " macros were loaded.  Tavrix will not change this file until it is repaired.");
  }
  return state_ == MacroFileState::Ready;
}

// The bytes after the last whole record are what a crash in the middle of an
// append leaves. They go to the end of the side file (kept, never thrown
// away), the macro file is cut back to its whole records, and the user is
// told. When the side file cannot be written the macro file stays as it is.
bool MacroFile::MoveCutOffTail(LockedFile& file, std::uint64_t size) {
  const std::uint64_t whole = size - size % kRecord;
  std::string tail(static_cast<std::size_t>(size - whole), '\0');
  if (!file.ReadAt(whole, tail.data(), tail.size())) return false;
  const std::string side = CutOffTailFile(path_);
  {
    const std::unique_ptr<LockedFile> out = access_.Open(side, LockedOpen::ChangeOrCreate);
    const std::optional<std::uint64_t> end = out ? out->Size() : std::nullopt;
    if (!end || !out->WriteAt(*end, tail.data(), tail.size()) || !out->Flush()) return false;
  }
  if (!file.Truncate(whole) || !file.Flush()) return false;
  ui_.ShowMessage(kWarningTitle, "The macro file " + Quoted(path_) + " ended in a cut-off macro of " +
                                     std::to_string(tail.size()) + " bytes.  Those bytes were moved to the end of " +
                                     Quoted(side) + " and the " + std::to_string(whole / kRecord) +
                                     " whole macros were loaded.");
  return true;
}

void MacroFile::CanonicalSystemNickNames(std::array<bool, 5>& present) {
  SharedMacroTable& table = index_.table();
  for (int n = 1; n <= index_.Count(); ++n) {
    if (table.Scope(n) != kScopeSystem) continue;
    const int digit = SystemActivationDigit(table.ScopeName(n));
    if (digit == 0) continue;
    present[static_cast<std::size_t>(digit)] = true;
    // Only the in-memory list shows the canonical name; the file keeps its text.
    const char* canonical = SystemActivationFor(digit).nickName;
    if (index_.NickName(n) != canonical) index_.SetNickName(n, canonical);
  }
}

// The missing system activations are added all together or not at all: the
// room for every one of them is checked first, and a save that fails cuts
// the file back to where it was.
void MacroFile::CheckSystemActivations(LockedFile* file, Mode mode) {
  std::array<bool, 5> present{};
  CanonicalSystemNickNames(present);
  if (mode == Mode::ReadOnly || state_ != MacroFileState::Ready || file == nullptr) return;
  const int missing = static_cast<int>(std::count(present.begin() + 1, present.end(), false));
  if (missing == 0) return;
  const int count = index_.Count();
  if (count + missing > kMaxMacros) {
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) + " holds " + std::to_string(count) +
                                     " macros, so the " + std::to_string(missing) +
                                     " missing system activations could not be added.");
    return;
  }
  const std::optional<std::uint64_t> sizeBefore = file->Size();
  if (!sizeBefore) return;
  for (int digit = 1; digit <= 4; ++digit) {
    if (present[static_cast<std::size_t>(digit)]) continue;
    const SystemActivation& system = SystemActivationFor(digit);
    MacroRecord record;
    record.SetNickName(system.nickName);
    record.SetScopeName(std::string(1, static_cast<char>('0' + digit)));
    record.SetWordletText("");
    record.SetActivation(system.hotKey);
    record.SetScope(kScopeSystem);
    record.SetActive(1);
    record.SetReserved98(0);
    record.ClearMacroText();
    record.SetLastModified(ToDateTimeValue(now_()));

    const int n = index_.Count() + 1;
    index_.SetCount(n);
    hooks_.TvxUpNumKeys(index_.table().bytes());
    if (SaveRecordIn(*file, n, record)) continue;
    // None of them, then: the file and the index as before.
    file->Truncate(*sizeBefore);
    file->Flush();
    for (int k = count + 1; k <= n; ++k) index_.TakeRecord(k, MacroRecord{});
    index_.SetCount(count);
    hooks_.TvxUpNumKeys(index_.table().bytes());
    return;
  }
}

}  // namespace tavrix
