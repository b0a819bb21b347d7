#include "store/macro_transfer.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/ascii_text.h"
#include "base/hot_key_table.h"
#include "store/set_hot_keys.h"

namespace tavrix {
namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kWarningTitle = "Warning";
constexpr const char* kNoHotKeySelected = "No hot key selected.  Please select one.";
constexpr std::array<int, 10> kReservedHotKeys{89, 185, 233, 590, 557, 558, 559, 566, 571, 607};

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

}  // namespace

bool IsWindowsReservedHotKey(int code) {
  return std::find(kReservedHotKeys.begin(), kReservedHotKeys.end(), code) != kReservedHotKeys.end();
}

bool InGlobalUse(const MacroIndex& index, int code, int except) {
  const SharedMacroTable& table = index.table();
  for (int n = 1; n <= index.Count(); ++n) {
    if (n == except || table.Activation(n) != code) continue;
    const std::int16_t scope = table.Scope(n);
    if (scope == kScopeGlobal || scope == kScopePopupMenu || scope == kScopeSystem) return true;
  }
  return false;
}

bool IsValidWordletName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!letterOrDigit && std::string_view("!#$%&*+,-./;<=>?@^_").find(c) == std::string_view::npos) return false;
  }
  return true;
}

std::vector<std::string> HotKeyUsageRows(const MacroIndex& index) {
  std::array<int, kHotKeyCount> uses{};
  for (int n = 1; n <= index.Count(); ++n) {
    const std::uint16_t code = index.table().Activation(n);
    if (code < kHotKeyCount) ++uses[code];
  }
  std::vector<std::string> rows;
  rows.reserve(kHotKeyCount);
  for (int code = 0; code < kHotKeyCount; ++code) {
    const int count = uses[static_cast<std::size_t>(code)];
    std::string usage = count == 0   ? "  (Not in Use)"
                        : count == 1 ? "  (1 macro in use)"
                                     : "  (" + std::to_string(count) + " macros in use)";
    rows.push_back(HotKeyName(code) + usage);
  }
  return rows;
}

void FillKeyList(ListBox& list, const MacroIndex& index) {
  list.items.clear();
  for (const std::string& row : HotKeyUsageRows(index)) {
    const std::size_t open = row.rfind("  (");
    std::string words = row.substr(open + 3);
    words.pop_back();  // the closing parenthesis
    list.items.push_back(row.substr(0, open) + "\t" + words);
  }
  // The usage starts a little past half the row.
  list.columns = {ListColumn{0, 8, false}, ListColumn{8, 6, false}};
  list.itemHeight = 18;
}

std::string ActivationTextOf(const MacroIndex& index, int n) {
  const std::uint16_t code = index.table().Activation(n);
  if (code == kTimedActivation) return "Timed Macro";
  if (code == kWordletActivation) return index.Wordlet(n);
  return HotKeyName(code);
}

std::string ReservedHotKeyQuestion(int code) {
  const std::string& name = HotKeyName(code);
  return name + " may be used internally by Windows 95, 98 or NT.  This may cause the hot key not to function "
                "correctly.  Would you still like to use " + name + "?";
}

std::optional<std::vector<ImportEntry>> ReadImportFile(const std::string& path, Ui& ui) {
  if (!EndsWithIgnoringCase(path, ".TVX")) {
    ui.ShowMessage(kErrorTitle, "Improper file type selected.  Please choose a different file.");
    return std::nullopt;
  }
  const std::optional<std::string> read = ReadWholeFile(SystemFileAccess(), path);
  const std::string bytes = read.value_or(std::string());
  // A file that is not whole records (or holds more than a macro file may)
  // is not imported at all: a part of a record is no macro.
  if (!read || bytes.size() % kMacroRecordSize != 0 || bytes.size() / kMacroRecordSize > kMaxMacros) {
    ui.ShowMessage(kErrorTitle, "Unable to open import file.");
    return std::nullopt;
  }
  std::vector<ImportEntry> entries;
  for (std::size_t k = 0; k < bytes.size() / kMacroRecordSize; ++k) {
    MacroRecord record;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(k * kMacroRecordSize), kMacroRecordSize,
                record.bytes().begin());
    if (record.Scope() == kScopeSystem) continue;
    entries.push_back(ImportEntry{static_cast<int>(k + 1), record.NickName(), record.Scope(), record.Activation(),
                                  CutText(record.ScopeName(), 20), record.WordletText(), record});
  }
  return entries;
}

// --- TMyExport -------------------------------------------------------------------

TMyExport::TMyExport(TransferCommands& commands) : Form("TMyExport", "Export Macros", 360, 310), commands_(commands) {
  macroList.multiSelect = true;
  activeControl = &macroList;
  saveButton.onClick = [this] { return SaveButtonClick(); };
  const MacroIndex& index = commands_.File().index();
  for (int n = 1; n <= index.Count(); ++n) {
    if (index.table().Scope(n) == kScopeSystem) continue;
    numbers.push_back(n);
    macroList.items.push_back(ActivationTextOf(index, n) + "   " + index.NickName(n));
  }
  macroList.selected.assign(macroList.items.size(), false);
}

FormReply TMyExport::SaveButtonClick() {
  std::vector<int> chosen;
  for (std::size_t row = 0; row < numbers.size(); ++row)
    if (macroList.IsSelected(row)) chosen.push_back(numbers[row]);
  if (chosen.empty()) return FormReply::Refuse(kErrorTitle, "No Hot Key Macros have been selected for exporting.", macroList);
  const std::optional<std::string> out =
      commands_.ui().AskFileName({"Save Macro File", "Tavrix (*.TVX)|*.TVX", "TVX", true, ""});
  if (!out || !commands_.ExportTo(*out, chosen)) return FormReply::Stay();
  return FormReply::Close(ModalResult::Ok);
}

// --- TMyImport -------------------------------------------------------------------

TMyImport::TMyImport(TransferCommands& commands) : Form("TMyImport", "Import Macros", 360, 310), commands_(commands) {
  macroList.multiSelect = true;
  activeControl = &openButton;
  openButton.onClick = [this] { return OpenButtonClick(); };
  okButton.onClick = [this] { return OkButtonClick(); };
}

FormReply TMyImport::OpenButtonClick() {
  const std::optional<std::string> path =
      commands_.ui().AskFileName({"Import Tavrix Files", "Tavrix (*.TVX)|*.TVX", "TVX", false, ""});
  if (!path) return FormReply::Stay();
  std::optional<std::vector<ImportEntry>> read = ReadImportFile(*path, commands_.ui());
  if (!read) return FormReply::Stay();
  importPath = *path;
  entries = std::move(*read);
  macroList.items.clear();
  for (const ImportEntry& entry : entries) {
    std::string activation = entry.activation == kTimedActivation     ? "Timed Macro"
                             : entry.activation == kWordletActivation ? entry.wordlet
                                                                      : HotKeyName(entry.activation);
    macroList.items.push_back(activation + "   " + entry.nickName);
  }
  macroList.selected.assign(entries.size(), false);
  return FormReply::Stay();
}

FormReply TMyImport::OkButtonClick() {
  std::vector<bool> selected(entries.size(), false);
  for (std::size_t row = 0; row < entries.size(); ++row) selected[row] = macroList.IsSelected(row);
  const bool imported = commands_.ImportSelected(entries, selected);
  macroList.selected = selected;
  if (!imported) return FormReply::Stay();
  return FormReply::Close(ModalResult::Ok);
}

// --- TCopyOrMove -----------------------------------------------------------------

TCopyOrMove::TCopyOrMove(CopyOrMove what, const MacroIndex& index, int n, Ui& ui)
    : Form("TCopyOrMove", what == CopyOrMove::Copy ? "Copy Macro" : "Move Macro", 324, 345),
      what_(what),
      index_(index),
      n_(n),
      ui_(ui) {
  const std::string verb = what == CopyOrMove::Copy ? "COPY " : "MOVE ";
  activationLabel.text = verb + ActivationTextOf(index, n) + (index.table().Activation(n) == kTimedActivation ? " TO" : "");
  hotKeyRadio.checked = true;
  keyList.items = HotKeyUsageRows(index);
  activeControl = &hotKeyEntry;
  okButton.onClick = [this] { return OkButtonClick(); };
  keyList.onChange = [this] {
    if (keyList.itemIndex >= 0) hotKeyEntry.text = HotKeyName(keyList.itemIndex);
    return FormReply::Stay();
  };
  hotKeyEntry.onHotKey = [this](int code) {
    if (code >= 0 && code < kHotKeyCount) {
      keyList.itemIndex = code;
      hotKeyEntry.text = HotKeyName(code);
    }
    return FormReply::Stay();
  };
}

FormReply TCopyOrMove::OkButtonClick() {
  if (timedRadio.checked) return FormReply::Close(ModalResult::Ok);
  if (wordletRadio.checked) {
    const std::string name = CutText(wordletName.text, kWordletCapacity);
    if (name.empty()) return FormReply::Refuse(kErrorTitle, "No Wordlet name was entered.", wordletName);
    if (!IsValidWordletName(name)) return FormReply::Refuse(kErrorTitle, kWordletNameInvalid, wordletName);
    return FormReply::Close(ModalResult::Ok);
  }
  const int code = keyList.itemIndex;
  if (code < 0 || code >= kHotKeyCount) return FormReply::Refuse(kErrorTitle, kNoHotKeySelected, keyList);
  // A moved macro does not stand in its own way.
  const int except = what_ == CopyOrMove::Move ? n_ : 0;
  if (index_.table().Scope(n_) == kScopeGlobal && InGlobalUse(index_, code, except))
    return FormReply::Refuse(kErrorTitle,
                             std::string("A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this selection. "
                                         "The \"") +
                                 (what_ == CopyOrMove::Copy ? "COPY" : "MOVE") + "\" did not take place.",
                             keyList);
  if (IsWindowsReservedHotKey(code) && !ui_.AskYesNo(kWarningTitle, ReservedHotKeyQuestion(code)))
    return FormReply::Stay();
  return FormReply::Close(ModalResult::Ok);
}

// --- TransferCommands -------------------------------------------------------------

TransferCommands::TransferCommands(MacroFile& file, Ui& ui, TransferListener& listener,
                                   std::function<LocalDateTime()> today)
    : file_(file), ui_(ui), listener_(listener), today_(std::move(today)) {}

bool TransferCommands::DoExport() {
  TMyExport form(*this);
  return ui_.RunForm(form) == ModalResult::Ok;
}

bool TransferCommands::ExportTo(const std::string& out, const std::vector<int>& numbers) {
  std::string bytes;
  for (const int n : numbers) {
    MacroRecord record;
    if (!file_.ReadRecord(n, record)) {
      ui_.ShowMessage(kErrorTitle, "Unable to create export file.");
      return false;
    }
    bytes.append(reinterpret_cast<const char*>(record.bytes().data()), kMacroRecordSize);
  }
  // Never over the macro file itself: that would lose every macro not exported.
  // Written beside and then put in place: a write that fails leaves an
  // existing file of that name as it was, never a torn one.
  if (SameFile(out, file_.Path()) || !ReplaceWholeFile(file_.access(), out, bytes)) {
    ui_.ShowMessage(kErrorTitle, "Unable to create export file.");
    return false;
  }
  ui_.ShowMessage("ok", "Export Complete");
  return true;
}

bool TransferCommands::DoImport() {
  imported_.clear();
  incomplete_ = false;
  SyncFileHold hold(listener_);
  if (!hold.Taken()) return false;
  if (!file_.CheckCanChange()) return false;
  // The lock is given back marking a change, also when nothing came in.
  hold.Changed();
  TMyImport form(*this);
  return ui_.RunForm(form) == ModalResult::Ok && !incomplete_;
}

bool TransferCommands::ImportSelected(const std::vector<ImportEntry>& entries, std::vector<bool>& selected) {
  MacroIndex& index = file_.index();
  selected.resize(entries.size(), false);
  bool warned = false;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const ImportEntry& entry = entries[k];
    if (!selected[k] || (entry.scope != kScopeGlobal && entry.scope != kScopePopupMenu) ||
        entry.activation >= kHotKeyCount)
      continue;
    bool used = false;
    for (int n = 1; n <= index.Count() && !used; ++n) used = index.table().Activation(n) == entry.activation;
    if (!used) continue;
    ui_.ShowMessage(kWarningTitle, "A Global Hot Key for " + HotKeyName(entry.activation) +
                                       " already exists.  This macro will not be imported.");
    selected[k] = false;
    warned = true;
  }
  const int chosen = static_cast<int>(std::count(selected.begin(), selected.end(), true));
  if (chosen == 0) {
    ui_.ShowMessage(kErrorTitle, "No macros are flagged for import.  Click on the macros you wish to import.");
    return false;
  }
  if (chosen + index.Count() > kMaxMacros) {
    ui_.ShowMessage(kWarningTitle, "The maximum capacity of macros per file will be exceeded. The last " +
                                       std::to_string(chosen + index.Count() - kMaxMacros) +
                                       " macros selected will not be imported.");
    warned = true;
  }
  if (warned &&
      !ui_.AskYesNo(kWarningTitle, "One or macro were flagged to be excluded from the import.  Continue import anyway?"))
    return false;

  int toImport = 0;
  for (std::size_t k = 0; k < entries.size(); ++k) toImport += selected[k] && index.Count() + toImport < kMaxMacros;
  for (std::size_t k = 0; k < entries.size() && index.Count() < kMaxMacros; ++k) {
    if (!selected[k]) continue;
    const int count = index.Count();
    index.SetCount(count + 1);
    file_.hooks().TvxUpNumKeys(index.table().bytes());
    if (!file_.SaveRecord(-1, entries[k].record)) {
      index.SetCount(count);
      file_.hooks().TvxUpNumKeys(index.table().bytes());
      break;
    }
    imported_.push_back(file_.LastSavedNumber());
  }
  // A save that failed half-way: what came in stays, and the user learns
  // how much that was.
  incomplete_ = static_cast<int>(imported_.size()) < toImport;
  if (incomplete_)
    ui_.ShowMessage(kErrorTitle, "Only " + std::to_string(imported_.size()) + " of the " + std::to_string(toImport) +
                                     " macros selected were imported.");
  listener_.RefillMacroList();
  SetHotKeys(index.table(), file_.hooks());
  return !imported_.empty();
}

bool TransferCommands::RefuseEmptyOrUnselected(int selected) {
  const MacroIndex& index = file_.index();
  if (index.Count() == 0) {
    ui_.ShowMessage(kErrorTitle, "No hot keys have been added yet.  Please add one first.");
    return true;
  }
  if (selected < 1 || selected > index.Count()) {
    ui_.ShowMessage(kErrorTitle, kNoHotKeySelected);
    return true;
  }
  return false;
}

bool TransferCommands::DoCopy(int selected) { return CopyOrMoveMacro(CopyOrMove::Copy, selected); }
bool TransferCommands::DoMove(int selected) { return CopyOrMoveMacro(CopyOrMove::Move, selected); }

bool TransferCommands::CopyOrMoveMacro(CopyOrMove what, int selected) {
  const bool copy = what == CopyOrMove::Copy;
  if (RefuseEmptyOrUnselected(selected)) return false;
  MacroIndex& index = file_.index();
  if (copy && index.Count() >= kMaxMacros) {
    ui_.ShowMessage(kErrorTitle, "Maximum number of hot keys has been reached.  Add not allowed.");
    return false;
  }
  SyncFileHold hold(listener_);
  if (!hold.Taken() || !file_.CheckCanChange()) return false;
  MacroRecord record;
  if (!file_.ReadRecord(selected, record)) {
    ui_.ShowMessage(kErrorTitle, kNoHotKeySelected);
    return false;
  }
  const MacroRecord read = record;
  // The program offers no copy of a system activation (there is one of each).
  if (copy && record.Scope() == kScopeSystem) {
    ui_.ShowMessage(kErrorTitle, "A SYSTEM macro cannot be copied.");
    return false;
  }
  if (!copy && record.Scope() == kScopeSystem) {
    if (!listener_.OpenSystemKeys(SystemActivationDigit(record.ScopeName()))) return false;
    listener_.RefillMacroList();
    SetHotKeys(index.table(), file_.hooks());
    hold.Changed();
    return true;
  }

  TCopyOrMove form(what, index, selected, ui_);
  if (ui_.RunForm(form) != ModalResult::Ok) return false;
  const std::uint16_t oldActivation = record.Activation();
  if (form.timedRadio.checked) {
    if (oldActivation != kTimedActivation) {
      record.SetDefaultSchedule(today_());
      record.SetActivation(kTimedActivation);
      listener_.EditSchedule(record);
    }
  } else if (form.wordletRadio.checked) {
    record.SetActivation(kWordletActivation);
    record.SetWordletText(CutText(form.wordletName.text, kWordletCapacity));
  } else {
    record.SetActivation(static_cast<std::uint16_t>(form.keyList.itemIndex));
  }

  const int count = index.Count();
  if (copy) {
    index.SetCount(count + 1);
    file_.hooks().TvxUpNumKeys(index.table().bytes());
  }
  if (!(copy ? file_.SaveRecord(-1, record) : file_.SaveRecordOver(selected, read, record))) {
    if (copy) {
      index.SetCount(count);
      file_.hooks().TvxUpNumKeys(index.table().bytes());
    }
    return false;
  }
  lastNumber_ = file_.LastSavedNumber();
  listener_.RefillMacroList();
  listener_.SelectMacro(lastNumber_);
  listener_.SetListButtons(true);
  const bool timed = record.Activation() == kTimedActivation || (!copy && oldActivation == kTimedActivation);
  if (timed) listener_.RearmScheduler();
  if (copy && record.Scope() == kScopePopupMenu) listener_.BuildPopupTrayIcons();
  SetHotKeys(index.table(), file_.hooks());
  hold.Changed();
  return true;
}

bool TransferCommands::RenameSystemHotKey(int n, std::uint16_t code) {
  if (RefuseEmptyOrUnselected(n)) return false;
  MacroIndex& index = file_.index();
  SyncFileHold hold(listener_);
  if (!hold.Taken() || !file_.CheckCanChange()) return false;
  MacroRecord record;
  if (!file_.ReadRecord(n, record) || record.Scope() != kScopeSystem) {
    ui_.ShowMessage(kErrorTitle, kNoHotKeySelected);
    return false;
  }
  const MacroRecord read = record;
  if (InGlobalUse(index, code)) {
    ui_.ShowMessage(kErrorTitle, "The hot key \"" + HotKeyName(code) +
                                     "\" is already in use by a macro.  If you wish to use this hot key combination, "
                                     "you will first need to either remove or move the macro which is assigned to it.");
    return false;
  }
  record.SetActivation(code);
  if (!file_.SaveRecordOver(n, read, record)) return false;
  lastNumber_ = n;
  listener_.RefillMacroList();
  SetHotKeys(index.table(), file_.hooks());
  hold.Changed();
  return true;
}

}  // namespace tavrix
