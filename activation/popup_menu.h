// Popup-menu macros (Scope 4): the option string kept in the record's
// Wordlet field, the entries a menu offers, the "Choose A Macro" window's
// geometry and placement, the choice by a typed character, the menu of the
// macros that fit the window in front, and which popup menus get a tray icon.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/macro_record.h"

namespace tavrix {

inline constexpr int kMaxPopupEntries = 36;
inline constexpr int kMaxPopupTrayIcons = 15;
// The first list of "Choose A Macro" takes the entries up to this many.
inline constexpr int kFirstListEntries = 18;
inline constexpr int kChooseRowHeight = 17;
inline constexpr const char* kMenuIconName = "MENU";
inline constexpr const char* kProgramIconName = "MAIN";
inline constexpr const char* kIconsFolderName = "Icons";

enum class PopupStyle { FirstPart = 1, Icons = 2, NickNameAndScope = 3 };

// The three option characters of a popup-menu record: tray icon "Y"/"N",
// display style "1".."3", icon size code "0".."4".
struct PopupOptions {
  bool tray = false;
  PopupStyle style = PopupStyle::NickNameAndScope;
  char sizeCode = '0';

  // Any text: a style other than "1" or "2" is nickname and scope.
  static PopupOptions Read(std::string_view optionText);
  std::string Text() const;
  // 16, 24, 32, 48 or 64; any other size code counts as 16.
  int IconSize() const;
};

// "0".."9" for entries 0..9, "A".."Z" for 10..35.
std::string EntryLabel(int entry);
// The entry a typed character chooses (digits 0..9, letters in either case
// 10..35), or -1 when it names none below `count`.
int EntryForTypedCharacter(char typed, int count);

// The macro numbers a menu record offers: those of its list that are macros
// of the file now (1..count), the first 36.
std::vector<int> ValidMenuEntries(const MacroRecord& menu, int macroCount);

// Where "Choose A Macro" puts its parts, in client pixels.
struct ChooseLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  int lists = 0;  // 0 in the icon style
  Bounds list1;
  Bounds list2;
  Bounds heading1;  // "Name" / "Macro Text"
  Bounds heading2;  // "Scope"
  Bounds message;   // "Double Click or Press Number or Letter"
  Bounds cancel;
  std::vector<Bounds> iconButtons;
};
ChooseLayout LayoutChooseWindow(PopupStyle style, int iconSize, int entries);

// The window's top left corner: from a tray icon clicked at x, the bottom
// edge on the screen's bottom and the left edge at x (or x - width when it
// would pass the right edge, never left of 0); otherwise centred.
Point PlaceChooseWindow(int width, int height, int screenWidth, int screenHeight, std::optional<int> clickX);

// The name a list shows for macro n: its trimmed nickname, else
// "Timed Macro", its Wordlet, or its hot key's name.
std::string MacroDisplayName(const MacroIndex& index, int n);
// The activation as the builder's lists show it: the hot key's name, the
// Wordlet or "Timed Macro".
std::string ActivationDisplayName(const MacroIndex& index, int n);
// "GLOBAL", "Popup Menu" or the first 20 characters of the scope name.
std::string ScopeDisplayName(const MacroIndex& index, int n);

// `text` cut from its end until `fits` accepts it (possibly empty).
std::string ShortenToFit(std::string text, const std::function<bool(std::string_view)>& fits);

// Where the menus find icon files: the "Icons" folder below the program
// folder.
class IconFiles {
 public:
  virtual ~IconFiles() = default;
  virtual std::string Folder() const = 0;
  virtual bool Exists(const std::string& path) = 0;
  // Copies `from` to `to` unless `to` exists; false when nothing was copied.
  virtual bool CopyNew(const std::string& from, const std::string& to) = 0;
  // The short (8.3) form of an existing file's path; the path itself where
  // the system has no short names.
  virtual std::optional<std::string> ShortPath(const std::string& path) = 0;
};
// The Icons folder below `programFolder` ('\\' or '/' as the folder uses).
std::string IconsFolderOf(const std::string& programFolder);
std::string JoinFolder(const std::string& folder, const std::string& name);
std::string FileNamePart(const std::string& path);

// The icon an entry shows: "program", "menu" or the icon file's name in the
// Icons folder. "MAIN" is the program icon and "MENU" the menu icon; a
// missing file falls back to the menu icon for a popup menu and to the
// program icon otherwise.
std::string EntryIcon(const MacroRecord& entry, IconFiles* icons);
// The tray icon of a popup menu: its icon file when present, else the menu icon.
std::string TrayIconOf(const MacroRecord& menu, IconFiles* icons);

// One entry of the menu being shown.
struct ChooseEntry {
  int macro = 0;
  std::string label;
  std::string text;   // nickname style: the display name; first-part style: the macro text
  std::string scope;  // nickname style only
  std::string icon;   // icon style: "program", "menu" or a file name
  std::string hint;   // icon style: the nickname
};
// The entries of `menu` as the window shows them in its own style.
std::vector<ChooseEntry> BuildChooseEntries(const MacroRecord& menu, const MacroFile& file, IconFiles* icons);

// The menu of the macros that fit the window in front (system activation
// "4"): option string "  2" with the style digit, every active or inactive
// window macro whose upper-cased 20-character scope name occurs in `title`
// and every program macro whose scope name occurs in `program`, in
// macro-number order, at most 36. Both texts are upper-cased here.
MacroRecord BuildTopWindowMenu(const MacroIndex& index, const std::string& title, const std::string& program,
                               int systemMenuStyle);
inline constexpr const char* kNoTopWindowMacrosText =
    "There are no macros defined with a specific window title or program name that match the current top most "
    "active window.";

// One popup-menu tray icon.
struct PopupTrayIcon {
  int macro = 0;
  std::string icon;  // "menu" or a file name in the Icons folder
  std::string tooltip;
};
// The popup menus whose option string starts with "Y", in macro-number
// order, at most 15.
std::vector<PopupTrayIcon> PopupTrayIcons(const MacroFile& file, IconFiles* icons);

}  // namespace tavrix
