// The commands of the main window's menu bar and of the tray icon's menu:
// one enum for all of them, and the menus' layout, one row per entry with its
// caption, whether the program has the command yet and which browse modes
// take it away. A new command is its enum value and its row here, and its
// case in TMainWin::OnCommand (shell/main_window_commands.cpp).
#pragma once

#include <cstdint>
#include <span>

#include "shell/config/command_line.h"

namespace tavrix {

// The values are the Windows menu ids as well.
enum class Command : std::uint16_t {
  NewFile = 100,
  OpenFile,
  RecentFile1,
  RecentFile2,
  RecentFile3,
  RecentFile4,
  RecentFile5,
  OutputMacroInformation,
  PrintMacroList,
  PrinterFont,
  PrinterSetup,
  Hide,
  Terminate,

  AddMacro = 200,
  CopyMacro,
  RenameMacro,
  ImportMacros,
  ExportMacros,
  ScriptingEditor,
  ModifyDirectly,
  RecaptureMacro,
  ActivateMacro,
  QuickInfo,
  Sort,
  RemoveMacro,

  Remap = 300,

  Appearance = 400,
  Network,
  Wordlets,
  Capture,
  ShowDateTime,
  Alarm,
  TimerInterval,
  DisableScreenSaver,
  PlaceInSystemTray,

  MouseLocator = 500,
  RestoreKeyboardHooks,
  RestoreMouseHooks,

  HelpContents = 600,
  Tutorial,
  About,

  // The tray icon's menu.
  TrayOpen = 700,
  TrayHelp,
  TrayTerminate,
};

// The menus: the bar, its drop-down menus with their submenus, and the tray
// icon's menu.
enum class Menu : std::uint8_t { Bar, File, Macros, Options, Scheduler, ScreenSaver, Tools, Help, Tray };
inline constexpr int kMenuCount = 9;

struct MenuItem {
  enum class Kind : std::uint8_t { Entry, Separator, Submenu };
  Menu menu;             // the menu the item is in
  Kind kind;
  Command command;       // Entry
  Menu submenu;          // Submenu
  const char* caption;   // Entry and Submenu
  std::uint8_t traits;   // Entry: whether the program has it, and which browse modes take it away
};

// Every item of every menu in display order. The recent files are not
// items: they are shown after "&Open File" while any exists.
std::span<const MenuItem> MenuLayout();
// The position in "&File" where the recent files start.
inline constexpr int kRecentFilesPosition = 2;

// The recent file entry k (1..5) and back; 0 for another command.
Command RecentFileCommand(int k);
int RecentFileNumber(Command command);

inline constexpr const char* kModifyDirectlyCaption = "Modify &Directly";
inline constexpr const char* kModifyPopupMenuCaption = "Mo&dify Popup Menu";
inline constexpr const char* kActivateCaption = "Acti&vate Macro";
inline constexpr const char* kDeactivateCaption = "Deacti&vate Macro";

// Whether the program has the command yet; the others stay disabled.
bool CommandBuilt(Command command);
// Whether a browse mode ("/B" or "/BA") takes the command away.
bool BrowseForbids(Command command, const StartupModes& modes);

}  // namespace tavrix
