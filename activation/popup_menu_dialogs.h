// The popup-menu windows as form models: "Choose A Macro" (`TDoAMenu`), the
// menu a popup-menu macro shows, and "Build Macro Menu" (`TDoBuildMenu`),
// which makes and changes popup-menu macros; and the saving of what the
// builder made.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "activation/popup_menu.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "store/macro_file.h"
#include "store/macro_record.h"
#include "store/network_lock.h"

namespace tavrix {

inline constexpr const char* kChooseMessage = "Double Click or Press Number or Letter";

// "Choose A Macro": the entries of the menu being shown; closes with the
// chosen macro number in `result`, or -1.
class TDoAMenu : public Form {
 public:
  // `clickX`: the menu was opened from its tray icon clicked there.
  TDoAMenu(std::vector<ChooseEntry> entries, PopupOptions options, int screenWidth, int screenHeight,
           std::optional<int> clickX);

  const std::vector<ChooseEntry>& Entries() const { return entries_; }
  const ChooseLayout& Layout() const { return layout_; }
  PopupOptions Options() const { return options_; }

  // Entry `entry` (counted from 0) is chosen: the window closes with its
  // macro number.
  FormReply Choose(int entry);
  // A character typed into a list: the digit or letter of an entry chooses
  // it; any other character, and any character in the icon style, does
  // nothing.
  FormReply KeyPress(char typed);

  int result = -1;

  Label heading1{*this, "NameHeading", {}, ""};
  Label heading2{*this, "ScopeHeading", {}, "Scope"};
  ListBox list1{*this, "MacroList1", {}};
  ListBox list2{*this, "MacroList2", {}};
  Label messageLabel{*this, "MessageLabel", {}, kChooseMessage};
  Button cancelButton{*this, "CancelButton", {}, "&Cancel", ButtonRole::Cancel};
  std::vector<std::unique_ptr<Button>> iconButtons;

 private:
  std::vector<ChooseEntry> entries_;
  PopupOptions options_;
  ChooseLayout layout_;
};

inline constexpr const char* kNoMacroSelected = "No macro selected.  Please select one.";
inline constexpr const char* kInvalidIconType = "Invalid file type selected.";
inline constexpr const char* kIconExistsText =
    "The selected icon could not be opened.  An icon of this name already exists in the default icon folder.  It "
    "will be opened instead.";
inline constexpr const char* kIconNotOpened = "Icon could not be opened.";
inline constexpr const char* kResetIconQuestion = "Reset icon to program default?";

// "Load in Icon" on the Icons folder: a chosen icon from elsewhere is copied
// into the folder (never over a file of its name). The icon's name for the
// record (its short file name), or nothing when no icon was taken (the
// user was told why).
std::optional<std::string> ChooseIconFile(Ui& ui, IconFiles& icons);

// "Build Macro Menu": edits the popup-menu record `record` (the main
// window's record buffer). For a new menu everything starts empty; Ok fills
// the record (nickname, icon, scope 4, option string, list; Active 1 for a
// new menu) and the caller saves it.
class TDoBuildMenu : public Form {
 public:
  TDoBuildMenu(MacroRecord& record, bool existing, std::string hotKeyName, const MacroIndex& index, Ui& ui,
               IconFiles* icons);

  // The lists' entries, in order.
  const std::vector<int>& MenuMacros() const { return menu_; }
  const std::vector<int>& AvailableMacros() const { return available_; }

  FormReply AddClick();           // "&Add": to the end
  FormReply InsertBeforeClick();  // "I&nsert": before the selected entry
  FormReply InsertAfterClick();   // "&Insert": after the selected entry
  FormReply RemoveClick();
  FormReply UpClick();
  FormReply DownClick();
  FormReply IconClick();
  FormReply IconRightClick();
  FormReply OkButtonClick();
  // Enables the list buttons as the selections allow.
  void UpdateButtons();

  MacroRecord& record;
  const bool existing;
  bool ok = false;
  bool trayChanged = false;
  // The icon the menu will have: "MENU" or a file name in the Icons folder.
  std::string iconName = kMenuIconName;
  // Shows the quick information of a macro; none: a short summary.
  std::function<std::string(int macro)> quickInfo;

  Label keyCaption{*this, "KeyCaption", {8, 10, 60, 16}, "Hot Key:"};
  Label hotKeyLabel{*this, "HotKeyLabel", {72, 10, 200, 16}, ""};
  Label nickLabel{*this, "NickLabel", {8, 36, 60, 16}, "NickName"};
  Edit nickName{*this, "NickName", {72, 32, 240, 21}, static_cast<int>(kNickNameCapacity)};
  CheckBox trayBox{*this, "TrayBox", {330, 34, 180, 17}, "&Place in System Tray"};
  GroupBox styleGroup{*this, "StyleGroup", {8, 60, 304, 44}, "Display Style"};
  RadioButton firstPartRadio{*this, "FirstPartRadio", {16, 78, 120, 17}, "&First Part of Macro"};
  RadioButton iconsRadio{*this, "IconsRadio", {140, 78, 56, 17}, "&Icons"};
  RadioButton nickRadio{*this, "NickRadio", {198, 78, 110, 17}, "&Nickname and Scope"};
  Label sizeLabel{*this, "SizeLabel", {330, 64, 60, 16}, "Icon Size"};
  ComboBox iconSize{*this, "IconSize", {330, 80, 90, 21}};
  Button mySpeed{*this, "MySpeed", {440, 60, 44, 44}, "Icon"};
  Label menuLabel{*this, "MenuLabel", {8, 112, 200, 16}, "Macros in Menu"};
  ListBox menuList{*this, "MenuList", {8, 130, 250, 240}};
  Button addButton{*this, "AddButton", {266, 140, 70, 25}, "&Add"};
  Button insertBeforeButton{*this, "InsertBeforeButton", {266, 172, 70, 25}, "I&nsert"};
  Button insertAfterButton{*this, "InsertAfterButton", {266, 204, 70, 25}, "&Insert"};
  Button removeButton{*this, "RemoveButton", {266, 248, 70, 25}, "&Remove"};
  Button upButton{*this, "UpButton", {266, 280, 70, 25}, "&Up"};
  Button downButton{*this, "DownButton", {266, 312, 70, 25}, "&Down"};
  Label availableLabel{*this, "AvailableLabel", {344, 112, 200, 16}, "Available Macros"};
  ListBox availableList{*this, "AvailableList", {344, 130, 250, 240}};
  Button okButton{*this, "OkButton", {278, 380, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {361, 380, 75, 25}, "&Cancel", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {444, 380, 75, 25}, "&Help", ButtonRole::Help};

 private:
  FormReply PutIntoMenu(int at);
  FormReply ShowQuickInfo(const ListBox& list, const std::vector<int>& macros);
  void FillLists();
  void ShowIcon();
  std::string RowText(int n) const;

  const MacroIndex& index_;
  Ui& ui_;
  IconFiles* icons_;
  std::vector<int> menu_;
  std::vector<int> available_;
  std::string shownNickName_;
  bool shownTray_ = false;
};

// What "Build Macro Menu" answered.
struct BuildMenuOutcome {
  bool ok = false;
  bool trayChanged = false;
};

// Opens "Build Macro Menu" on `record` (the main window's record buffer);
// for a new menu `record`'s `Activation` is the menu's hot key, and the
// dialog shows its name. Ok leaves the finished record in `record`; the
// caller saves it (`SaveNewPopupMenu` or `SavePopupMenu`).
// `quickInfo` gives a macro's quick information.
BuildMenuOutcome RunBuildMacroMenu(Ui& ui, const MacroIndex& index, IconFiles* icons, MacroRecord& record,
                                   bool existing, const std::function<std::string(int)>& quickInfo = {});

// A new menu made by the builder: the count is raised and published, then
// the record is appended. The macro number it got, or 0 when the save failed
// (the count is back as it was).
int SaveNewPopupMenu(MacroFile& file, const MacroRecord& record);

// Why a popup menu of `index`'s file cannot take hot key `code` or the
// entries `entries`, as "Build Menu" and the builder refuse it; empty when
// it can.
std::string PopupMenuRefusal(const MacroIndex& index, std::uint16_t code, const std::vector<int>& entries);

}  // namespace tavrix
