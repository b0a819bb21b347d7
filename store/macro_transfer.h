// Moving macros between macro files and giving a macro another activation:
// export (`TMyExport`), import (`TMyImport`), copy (`DoCopy`) and rename
// (`DoMove`, `TCopyOrMove`). Records travel whole, byte for byte; popup-menu
// lists keep their numbers. Every command that changes the macro file holds
// the network lock (SyncFileHold) from its check to its end.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "platform/ui.h"
#include "store/file_commands.h"
#include "store/macro_file.h"

namespace tavrix {

// The hot keys Windows itself may use (`CheckBad`).
bool IsWindowsReservedHotKey(int code);
// Whether a macro of Scope 1, 4 or 5 other than `except` has hot key `code`.
bool InGlobalUse(const MacroIndex& index, int code, int except = 0);
// Letters, digits and ! # $ % & * + , - . / ; < = > ? @ ^ _, at least one.
bool IsValidWordletName(std::string_view name);
inline constexpr const char* kWordletNameInvalid =
    "The Wordlet name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ "
    "= < > ? . ; , * - / +";
// "Ctrl+A  (Not in Use)", "Ctrl+B  (1 macro in use)", "Ctrl+C  (3 macros in use)".
std::vector<std::string> HotKeyUsageRows(const MacroIndex& index);
// The list of the 720 hot keys with their usage (`KeyList`): one row per
// code, 18 pixels high, in two columns: the key's name, and the words of its
// usage row inside the parentheses ("Ctrl+B\t2 macros in use").
void FillKeyList(ListBox& list, const MacroIndex& index);
// "Timed Macro", the Wordlet text or the hot key name of macro n.
std::string ActivationTextOf(const MacroIndex& index, int n);
std::string ReservedHotKeyQuestion(int code);

// One record of an import file that may be imported (no SYSTEM ones).
struct ImportEntry {
  int position = 0;  // its macro number in the import file
  std::string nickName;
  std::int16_t scope = 0;
  std::uint16_t activation = 0;
  std::string scopeName;  // 20 characters
  std::string wordlet;
  MacroRecord record;
};

// The import file's entries; nothing (the user has been told) when the file
// is no ".TVX" file, cannot be opened or is not whole macro records.
std::optional<std::vector<ImportEntry>> ReadImportFile(const std::string& path, Ui& ui);

class TransferCommands;

class TMyExport : public Form {
 public:
  explicit TMyExport(TransferCommands& commands);
  ListBox macroList{*this, "MacroList", {8, 8, 344, 260}};
  Button saveButton{*this, "SaveButton", {32, 276, 90, 25}, "&Save File", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {134, 276, 90, 25}, "&Cancel", ButtonRole::Cancel};
  // The macro number of each row.
  std::vector<int> numbers;
  FormReply SaveButtonClick();

 private:
  TransferCommands& commands_;
};

class TMyImport : public Form {
 public:
  explicit TMyImport(TransferCommands& commands);
  ListBox macroList{*this, "MacroList", {8, 8, 344, 260}};
  Button openButton{*this, "OpenButton", {8, 276, 90, 25}, "O&pen File"};
  Button okButton{*this, "OkButton", {106, 276, 90, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {204, 276, 90, 25}, "&Cancel", ButtonRole::Cancel};
  std::string importPath;
  std::vector<ImportEntry> entries;
  FormReply OpenButtonClick();
  FormReply OkButtonClick();

 private:
  TransferCommands& commands_;
};

enum class CopyOrMove { Copy, Move };

class TCopyOrMove : public Form {
 public:
  // `n` is the macro being copied or moved.
  TCopyOrMove(CopyOrMove what, const MacroIndex& index, int n, Ui& ui);
  Label activationLabel{*this, "ActivationLabel", {8, 8, 300, 16}};
  RadioButton hotKeyRadio{*this, "HotKeyRadio", {8, 32, 100, 17}, "&Hot Key"};
  RadioButton wordletRadio{*this, "WordletRadio", {112, 32, 90, 17}, "&Wordlet"};
  RadioButton timedRadio{*this, "TimedRadio", {206, 32, 110, 17}, "&Timed Macro"};
  Edit wordletName{*this, "WordletName", {8, 56, 120, 21}, 10};
  Edit hotKeyEntry{*this, "HotKeyEntry", {136, 56, 180, 21}};
  ListBox keyList{*this, "KeyList", {8, 84, 308, 220}};
  Button okButton{*this, "OkButton", {60, 312, 90, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {166, 312, 90, 25}, "&Cancel", ButtonRole::Cancel};
  FormReply OkButtonClick();

 private:
  CopyOrMove what_;
  const MacroIndex& index_;
  int n_;
  Ui& ui_;
};

// What the main window does besides the file for these commands.
class TransferListener : public FileCommandListener {
 public:
  virtual void SelectMacro(int /*n*/) {}
  // A macro that became timed gets its schedule (the schedule dialog).
  virtual void EditSchedule(MacroRecord& /*record*/) {}
  // Rename of a SYSTEM macro: the "System Hot Keys" dialog for system
  // activation `digit`; true when it changed anything.
  virtual bool OpenSystemKeys(int /*digit*/) { return false; }
};

class TransferCommands {
 public:
  TransferCommands(MacroFile& file, Ui& ui, TransferListener& listener, std::function<LocalDateTime()> today);

  bool DoExport();
  // Imports through the dialog; the numbers the macros got in ImportedNumbers().
  // False also when only some of the chosen macros could be saved.
  bool DoImport();
  bool DoCopy(int selected);
  bool DoMove(int selected);
  // "System Hot Keys" for one system activation: gives SYSTEM macro n hot
  // key `code`, refused when a macro of Scope 1, 4 or 5 has it already.
  bool RenameSystemHotKey(int n, std::uint16_t code);

  const std::vector<int>& ImportedNumbers() const { return imported_; }
  int LastNumber() const { return lastNumber_; }

  // --- What the dialogs call ----------------------------------------------------
  // Writes macros `numbers` (in file order) to `out`; false (told) on failure.
  bool ExportTo(const std::string& out, const std::vector<int>& numbers);
  // Imports the selected entries (deselecting those refused); false when
  // nothing was imported because the user was refused or answered No.
  bool ImportSelected(const std::vector<ImportEntry>& entries, std::vector<bool>& selected);

  MacroFile& File() { return file_; }
  Ui& ui() { return ui_; }

 private:
  bool CopyOrMoveMacro(CopyOrMove what, int selected);
  bool RefuseEmptyOrUnselected(int selected);

  MacroFile& file_;
  Ui& ui_;
  TransferListener& listener_;
  std::function<LocalDateTime()> today_;
  std::vector<int> imported_;
  bool incomplete_ = false;
  int lastNumber_ = 0;
};

}  // namespace tavrix
