// Adding a macro: the "Add Macro" dialog (`TAddNewHotKey`) fixes how the new
// macro is activated (a hot key, a Wordlet, a schedule or a popup menu of
// macros) and names the tool that fills it; the main window's add command
// (`AddMacroCommand`) runs the dialog, hands over to that tool and appends
// the record when the tool reports it saved. The tools themselves (capture,
// the script editor, the direct editor, the menu builder) live elsewhere: the
// dialog only says which one and with what, the caller opens it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/hot_key_table.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "store/macro_file.h"
#include "store/macro_record.h"
#include "store/macro_transfer.h"

namespace tavrix {

// The tools a new macro is handed over to.
enum class AddTool { None, Capture, Script, Direct, Menu };
inline constexpr int kAddToolCount = 5;

// What "Add Macro" hands over to its tool.
struct AddHandOver {
  AddTool tool = AddTool::None;
  int macroNumber = 0;            // the new macro's number
  std::uint16_t activation = 0;   // a hot key code, 10000 timed, 20000 Wordlet
  std::string wordletText;        // Wordlet mode only
  std::string hotKeyName;         // the hot key's name for the tool's label (hot key and popup modes)
  // Capture: the no-global flag (the hot key is in global use; never for a
  // Wordlet). Script and direct editor: global not allowed (the hot key is in
  // global use; false for the other types).
  bool global = false;
  int type = 0;  // script and direct editor: 1 hot key, 2 timed, 3 Wordlet
};

// What the tool reports back.
struct AddToolResult {
  bool saved = false;       // the record was stored (for a capture: the capture started)
  bool trayChange = false;  // the menu builder changed the popup-menu tray icons
};

class TAddNewHotKey : public Form {
 public:
  static constexpr const char* kName = "TAddNewHotKey";
  enum Mode { HotKeys, Wordlets, Timed, Popup };

  // `record` is the main window's record buffer: the dialog writes the
  // activation (and Wordlet text) into it.
  TAddNewHotKey(const MacroIndex& index, Ui& ui, MacroRecord& record, int newNumber);

  // --- Set by the caller before showing ------------------------------------
  // Tools the program cannot hand over to keep their buttons disabled.
  std::array<bool, kAddToolCount> toolAvailable{true, true, true, true, true};
  // --- Read after closing ----------------------------------------------------
  AddHandOver handOver;

  void FormShow(const TextMeasure& measure) override;
  Mode CheckedMode() const;
  // Shows the controls of the checked mode, enables its buttons and sizes
  // the form.
  void ShowMode();
  // The row of hot key `code` becomes the chosen one.
  FormReply ChooseHotKey(int code);
  FormReply CaptureButtonClick();
  FormReply ScriptButtonClick();
  FormReply ThirdButtonClick();

  // The usage the dialog computed when it showed.
  int UsageCount(int code) const { return counts_[static_cast<std::size_t>(code)]; }
  bool InGlobalUse(int code) const { return global_[static_cast<std::size_t>(code)]; }
  bool AnyMacroButSystem() const { return anyMacro_; }
  // Popup mode: whether the chosen hot key is in global use.
  bool selectedInGlobalUse = false;

  GroupBox typeGroup{*this, "TypeGroup", {8, 2, 314, 64}, "Macro Type"};
  RadioButton hotKeysRadio{*this, "HotKeysRadio", {16, 20, 120, 17}, "&Hot Keys"};
  RadioButton wordletsRadio{*this, "WordletsRadio", {16, 42, 120, 17}, "W&ordlets"};
  RadioButton timedRadio{*this, "TimedRadio", {170, 20, 140, 17}, "&Timed Macro"};
  RadioButton popupRadio{*this, "PopupRadio", {170, 42, 140, 17}, "&Popup Menu"};
  Button captureButton{*this, "CaptureButton", {8, 72, 100, 25}, "&Capture Macro"};
  Button scriptButton{*this, "ScriptButton", {115, 72, 100, 25}, "&Scripting Editor"};
  Button thirdButton{*this, "ThirdButton", {222, 72, 100, 25}, "&Enter Directly"};
  Button abortButton{*this, "AbortButton", {222, 100, 100, 25}, "&Abort", ButtonRole::Cancel};
  Label wordletLabel{*this, "WordletLabel", {8, 134, 100, 16}, "Wordlet Name"};
  Edit wordletName{*this, "WordletName", {112, 130, 110, 21}, 10};
  Label selectLabel{*this, "SelectLabel", {8, 134, 200, 16}, "Select Hot Key"};
  Label placeLabel{*this, "PlaceLabel", {8, 152, 314, 16},
                   "Place cursor in field below and Press the Hot Key to select"};
  Edit hotKeyEntry{*this, "HotKeyEntry", {8, 170, 314, 21}};
  ListBox keyList{*this, "KeyList", {8, 196, 314, 216}};

 private:
  // The chosen hot key of the Hot Keys and Popup modes, confirmed when
  // reserved; -1 (told) when refused.
  int CheckedHotKey(FormReply& refusal);
  // The trimmed Wordlet name; empty (told) when refused.
  std::string CheckedWordlet(FormReply& refusal);
  // The activation chosen in `mode` into the record and a fresh hand-over
  // (hot key: its name and global use; Wordlet: its text; timed: 10000), or
  // the refusal of a missing or refused choice.
  std::optional<FormReply> TakeActivation(Mode mode);
  // Hand-over to an editor (script or direct) in the Hot Keys, Wordlets or
  // Timed mode.
  FormReply HandToEditor(AddTool tool);
  FormReply Close(AddTool tool);

  const MacroIndex& index_;
  Ui& ui_;
  MacroRecord& record_;
  int newNumber_;
  std::array<int, kHotKeyCount> counts_{};
  std::array<bool, kHotKeyCount> global_{};
  bool anyMacro_ = false;
};

// Hands a new macro over to the tool the dialog chose; the caller (the main
// window, or the tavrix tool) opens it.
class AddMacroTools {
 public:
  virtual ~AddMacroTools() = default;
  virtual bool Available(AddTool /*tool*/) const { return true; }
  virtual AddToolResult HandOver(const AddHandOver& handOver, MacroRecord& record) = 0;
};

// The main window's "&Add Macro" around the dialog: the maximum, the
// file-in-use check, the dialog, the tool, and the append of the new record
// with everything that follows it.
class AddMacroCommand {
 public:
  AddMacroCommand(MacroFile& file, Ui& ui, TransferListener& listener, AddMacroTools& tools);
  // True when a new macro was appended.
  bool DoAdd();
  // What the dialog handed over in the last DoAdd (tool None: nothing).
  const AddHandOver& LastHandOver() const { return lastHandOver_; }
  int LastNumber() const { return lastNumber_; }

 private:
  bool AppendNewMacro(const MacroRecord& record, int countBefore);

  MacroFile& file_;
  Ui& ui_;
  TransferListener& listener_;
  AddMacroTools& tools_;
  AddHandOver lastHandOver_;
  int lastNumber_ = 0;
};

}  // namespace tavrix
