#include "store/macro_file.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "store/date_time.h"

namespace tavrix {
namespace fs = std::filesystem;

namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kSaveFailed = "Saving of keystrokes failed.";
constexpr const char* kNewFileFailed = "New file could not be created.";
constexpr const char* kMaximumReached = "Maximum number of hot keys has been reached.  Add not allowed.";
constexpr std::streamoff kRecord = static_cast<std::streamoff>(kMacroRecordSize);

const std::array<SystemActivation, 4> kSystemActivations{{
    {"Activate Tavrix", 262},
    {"Start / Stop Capture", 263},
    {"Resume Pause", 264},
    {"Menu of Macros for Top Most Window", 265},
}};

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// The size of an open stream, or -1.
std::streamoff StreamSize(std::istream& in) {
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  return in ? size : -1;
}

}  // namespace

const SystemActivation& SystemActivationFor(int digit) {
  if (digit < 1 || digit > 4) throw std::out_of_range("system activation digit must be 1..4");
  return kSystemActivations[static_cast<std::size_t>(digit - 1)];
}

MacroFile::MacroFile(MacroIndex& index, HookLibrary& hooks, Ui& ui, Clock now)
    : index_(index), hooks_(hooks), ui_(ui), now_(std::move(now)) {}

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
  std::ifstream in(path_, std::ios::binary);
  if (!in) return false;
  MacroRecord::Bytes bytes;
  in.seekg((n - 1) * kRecord);
  in.read(reinterpret_cast<char*>(bytes.data()), kRecord);
  if (in.gcount() != kRecord) return false;
  buffer.bytes() = bytes;
  return true;
}

// A file that stopped being a whole number of records after it was loaded
// (changed behind our back) is damaged from now on: the user is told, and the
// change is refused.
bool MacroFile::StillWholeRecords(std::streamoff size) {
  if (size % kRecord == 0) return true;
  MarkDamaged();
  CheckCanChange();
  return false;
}

bool MacroFile::SaveRecord(int n, const MacroRecord& record) {
  if (!CheckCanChange()) return false;
  std::fstream file(path_, std::ios::in | std::ios::out | std::ios::binary);
  if (!file) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  const std::streamoff size = StreamSize(file);
  if (size < 0) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  if (!StillWholeRecords(size)) return false;
  const std::streamoff records = size / kRecord;
  std::streamoff position;
  if (n == -1) {
    // Appending never overwrites: even if another copy of the program has
    // changed the file meanwhile, the new record goes after all others.
    n = index_.Count();
    position = size;
    if (records >= kMaxMacros) {
      ui_.ShowMessage(kErrorTitle, kMaximumReached);
      return false;
    }
  } else {
    position = (n - 1) * kRecord;
  }
  if (n > kMaxMacros) {
    ui_.ShowMessage(kErrorTitle, kMaximumReached);
    return false;
  }
  if (n < 1) {  // an append whose caller did not raise the count
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  if (position > size) {  // would leave a gap of undefined records
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  file.seekp(position);
  file.write(reinterpret_cast<const char*>(record.bytes().data()), kRecord);
  file.flush();
  if (!file) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  file.close();
  index_.TakeRecord(n, record);
  hooks_.TvxUpItem(index_.table().bytes(), static_cast<std::uint16_t>(n));
  return true;
}

bool MacroFile::SetActiveOnDisk(int n, std::uint8_t value) {
  if (!CheckCanChange()) return false;
  std::fstream file(path_, std::ios::in | std::ios::out | std::ios::binary);
  if (!file) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  const std::streamoff size = StreamSize(file);
  if (size <= 0) return false;
  if (!StillWholeRecords(size)) return false;
  if (n < 1 || n > size / kRecord) return false;
  MacroRecord record;
  file.seekg((n - 1) * kRecord);
  file.read(reinterpret_cast<char*>(record.bytes().data()), kRecord);
  if (file.gcount() != kRecord) return false;
  record.SetActive(value);
  file.seekp((n - 1) * kRecord);
  file.write(reinterpret_cast<const char*>(record.bytes().data()), kRecord);
  file.flush();
  if (!file) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  return true;
}

bool MacroFile::DeleteRecord(int n) {
  if (!CheckCanChange()) return false;
  std::uintmax_t newSize = 0;
  {
    std::fstream file(path_, std::ios::in | std::ios::out | std::ios::binary);
    if (!file) return false;
    const std::streamoff size = StreamSize(file);
    if (size < 0) return false;
    if (!StillWholeRecords(size)) return false;
    const std::streamoff records = size / kRecord;
    if (n < 1 || n > records) return false;
    // Every later record moves one place down.
    std::vector<char> later(static_cast<std::size_t>((records - n) * kRecord));
    file.seekg(n * kRecord);
    file.read(later.data(), static_cast<std::streamsize>(later.size()));
    if (file.gcount() != static_cast<std::streamsize>(later.size())) return false;
    file.seekp((n - 1) * kRecord);
    file.write(later.data(), static_cast<std::streamsize>(later.size()));
    file.flush();
    if (!file) {
      ui_.ShowMessage(kErrorTitle, kSaveFailed);
      return false;
    }
    newSize = static_cast<std::uintmax_t>((records - 1) * kRecord);
  }
  std::error_code error;
  fs::resize_file(path_, newSize, error);  // drops the now duplicated last record
  if (error) {
    ui_.ShowMessage(kErrorTitle, kSaveFailed);
    return false;
  }
  return true;
}

void MacroFile::LoadFile(const std::string& path) { Load(path, Mode::Program); }
bool MacroFile::LoadReadOnly(const std::string& path) { return Load(path, Mode::ReadOnly); }

bool MacroFile::CreateMissingFile() {
  std::ofstream created(path_, std::ios::binary);
  return static_cast<bool>(created);
}

bool MacroFile::Load(const std::string& path, Mode mode) {
  path_ = path;
  state_ = MacroFileState::Ready;
  index_.Clear();

  std::error_code error;
  const fs::file_status status = fs::status(path_, error);
  if (status.type() == fs::file_type::not_found) {
    if (mode == Mode::ReadOnly) return false;
    if (!CreateMissingFile()) {
      ui_.ShowMessage(kErrorTitle, kNewFileFailed);
      hooks_.TvxUpNumKeys(index_.table().bytes());
      return false;
    }
    hooks_.TvxUpNumKeys(index_.table().bytes());
    CheckSystemActivations(mode);
    return true;
  }

  // Anything that exists is never emptied or recreated, even when it cannot
  // be read now.
  std::ifstream in(path_, std::ios::binary);
  const std::uintmax_t size = fs::is_regular_file(status) ? fs::file_size(path_, error) : 0;
  if (!fs::is_regular_file(status) || error || !in) {
    state_ = MacroFileState::Unreadable;
    hooks_.TvxUpNumKeys(index_.table().bytes());
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                     " could not be opened.  Tavrix will not change this file until it can be opened.");
    return false;
  }
  ReadRecordsIntoIndex(in, size);
  in.close();
  hooks_.TvxUpNumKeys(index_.table().bytes());
  CheckSystemActivations(mode);
  return state_ == MacroFileState::Ready;
}

void MacroFile::ReadRecordsIntoIndex(std::istream& in, std::uintmax_t size) {
  const std::uintmax_t wholeRecords = size / kMacroRecordSize;
  const bool partial = size % kMacroRecordSize != 0;
  const int toLoad = static_cast<int>(std::min<std::uintmax_t>(wholeRecords, kMaxMacros));

  std::vector<std::uint8_t> data(static_cast<std::size_t>(toLoad) * kMacroRecordSize);
  in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
  const int loaded = static_cast<int>(static_cast<std::size_t>(in.gcount()) / kMacroRecordSize);

  MacroRecord record;
  for (int n = 1; n <= loaded; ++n) {
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>((n - 1) * kMacroRecordSize), kMacroRecordSize,
                record.bytes().begin());
    index_.SetCount(n);
    index_.TakeRecord(n, record);
    hooks_.TvxUpItem(index_.table().bytes(), static_cast<std::uint16_t>(n));
  }

  if (loaded < toLoad) {
    state_ = MacroFileState::Unreadable;
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) + " could not be read completely.  Only the first " +
                                     std::to_string(loaded) +
                                     " macros were loaded.  Tavrix will not change this file until it can be read.");
  } else if (partial) {
    MarkDamaged();
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                     " is damaged: its size is not a whole number of macros.  Only the first " +
                                     std::to_string(loaded) +
                                     " macros were loaded.  Tavrix will not change this file until it is repaired.");
  } else if (wholeRecords > static_cast<std::uintmax_t>(kMaxMacros)) {
    MarkDamaged();
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                     " holds more than 500 macros.  Only the first 500 were loaded.  Tavrix will "
                                     "not change this file until it is repaired.");
  }
}

void MacroFile::CheckSystemActivations(Mode mode) {
  std::array<bool, 5> present{};
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
  if (mode == Mode::ReadOnly || state_ != MacroFileState::Ready) return;
  for (int digit = 1; digit <= 4; ++digit) {
    if (!present[static_cast<std::size_t>(digit)] && !AddSystemActivation(digit)) return;
  }
}

bool MacroFile::AddSystemActivation(int digit) {
  const int count = index_.Count();
  if (count >= kMaxMacros) {
    ui_.ShowMessage(kErrorTitle, "The macro file " + Quoted(path_) +
                                     " already holds 500 macros, so the system activations could not be added.");
    return false;
  }
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

  index_.SetCount(count + 1);
  hooks_.TvxUpNumKeys(index_.table().bytes());
  if (SaveRecord(count + 1, record)) return true;
  index_.SetCount(count);  // nothing was appended
  hooks_.TvxUpNumKeys(index_.table().bytes());
  return false;
}

}  // namespace tavrix
