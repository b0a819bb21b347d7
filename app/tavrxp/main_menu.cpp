#include "app/tavrxp/main_menu.h"

#include <algorithm>
#include <array>

namespace tavrix {
namespace {

// Where the recent files go in "&File": after "&New File" and "&Open File".
constexpr UINT kRecentFilesPosition = 2;

constexpr std::array<UINT, 21> kAvailableCommands{
    kCmdNewFile,         kCmdOpenFile,           kCmdRecentFile1,        kCmdRecentFile1 + 1,
    kCmdRecentFile1 + 2, kCmdRecentFile1 + 3,    kCmdRecentFile1 + 4,    kCmdHide,
    kCmdTerminate,       kCmdActivateMacro,      kCmdRemoveMacro,        kCmdDisableScreenSaver,
    kCmdPlaceInSystemTray, kCmdMouseLocator,     kCmdRestoreKeyboardHooks, kCmdRestoreMouseHooks,
    kCmdHelpContents,    kCmdAbout,              kCmdTrayOpen,           kCmdTrayHelp,
    kCmdTrayTerminate};

void Add(HMENU menu, UINT command, const char* caption) {
  const UINT state = MainMenu::Available(command) ? MF_ENABLED : MF_GRAYED;
  AppendMenuA(menu, MF_STRING | state, command, caption);
}

void AddSeparator(HMENU menu) { AppendMenuA(menu, MF_SEPARATOR, 0, nullptr); }

void AddSubmenu(HMENU parent, HMENU child, const char* caption) {
  AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(child), caption);
}

HMENU FileMenu() {
  HMENU menu = CreatePopupMenu();
  Add(menu, kCmdNewFile, "&New File");
  Add(menu, kCmdOpenFile, "&Open File");
  AddSeparator(menu);
  Add(menu, kCmdOutputMacroInformation, "O&utput Macro Information");
  Add(menu, kCmdPrintMacroList, "&Print Macro List");
  Add(menu, kCmdPrinterFont, "Printer &Font");
  Add(menu, kCmdPrinterSetup, "Printer &Setup");
  AddSeparator(menu);
  Add(menu, kCmdHide, "&Hide Tavrix");
  Add(menu, kCmdTerminate, "&Terminate Tavrix");
  return menu;
}

HMENU MacrosMenu() {
  HMENU menu = CreatePopupMenu();
  Add(menu, kCmdAddMacro, "&Add Macro");
  Add(menu, kCmdCopyMacro, "Cop&y Macro");
  Add(menu, kCmdRenameMacro, "Rena&me Macro");
  AddSeparator(menu);
  Add(menu, kCmdImportMacros, "&Import Macros");
  Add(menu, kCmdExportMacros, "E&xport Macros");
  AddSeparator(menu);
  Add(menu, kCmdScriptingEditor, "&Scripting Editor");
  Add(menu, kCmdModifyDirectly, kModifyDirectlyCaption);
  Add(menu, kCmdRecaptureMacro, "Re&capture Macro");
  AddSeparator(menu);
  Add(menu, kCmdActivateMacro, "Acti&vate Macro");
  Add(menu, kCmdQuickInfo, "&Quick Info");
  Add(menu, kCmdSort, "S&ort");
  AddSeparator(menu);
  Add(menu, kCmdRemoveMacro, "&Remove Macro");
  return menu;
}

HMENU OptionsMenu() {
  HMENU scheduler = CreatePopupMenu();
  Add(scheduler, kCmdShowDateTime, "&Show Date && Time");
  Add(scheduler, kCmdAlarm, "&Alarm");
  Add(scheduler, kCmdTimerInterval, "&Timer Interval");
  HMENU screenSaver = CreatePopupMenu();
  Add(screenSaver, kCmdDisableScreenSaver, "&Disable if using Timed Macros");

  HMENU menu = CreatePopupMenu();
  Add(menu, kCmdAppearance, "&Appearance");
  Add(menu, kCmdNetwork, "&Network");
  Add(menu, kCmdWordlets, "Word&lets");
  Add(menu, kCmdCapture, "&Capture");
  AddSubmenu(menu, scheduler, "&Scheduler");
  AddSubmenu(menu, screenSaver, "Screen Sa&ver");
  AddSeparator(menu);
  Add(menu, kCmdPlaceInSystemTray, "Place in System &Tray");
  return menu;
}

HMENU ToolsMenu() {
  HMENU menu = CreatePopupMenu();
  Add(menu, kCmdMouseLocator, "Mouse &Locator");
  AddSeparator(menu);
  Add(menu, kCmdRestoreKeyboardHooks, "Restore &Keyboard Hooks");
  Add(menu, kCmdRestoreMouseHooks, "Restore &Mouse Hooks");
  return menu;
}

HMENU HelpMenu() {
  HMENU menu = CreatePopupMenu();
  Add(menu, kCmdHelpContents, "&Contents");
  Add(menu, kCmdTutorial, "&Tutorial / User Guide");
  AddSeparator(menu);
  Add(menu, kCmdAbout, "&About");
  return menu;
}

}  // namespace

bool MainMenu::Available(UINT command) {
  return std::find(kAvailableCommands.begin(), kAvailableCommands.end(), command) != kAvailableCommands.end();
}

MainMenu::MainMenu() {
  bar_ = CreateMenu();
  file_ = FileMenu();
  AddSubmenu(bar_, file_, "&File");
  AddSubmenu(bar_, MacrosMenu(), "&Macros");
  // "&Remap" is a command of its own on the bar.
  AppendMenuA(bar_, MF_STRING | (Available(kCmdRemap) ? MF_ENABLED : MF_GRAYED), kCmdRemap, "&Remap");
  AddSubmenu(bar_, OptionsMenu(), "&Options");
  AddSubmenu(bar_, ToolsMenu(), "&Tools");
  AddSubmenu(bar_, HelpMenu(), "&Help");
}

void MainMenu::SetRecentFiles(const RecentFiles& files) {
  // Take out what was shown, then insert the entries that hold a path.
  const int shown = recentShown_ + (recentSeparator_ ? 1 : 0);
  for (int i = 0; i < shown; ++i) DeleteMenu(file_, kRecentFilesPosition, MF_BYPOSITION);
  recentShown_ = 0;
  recentSeparator_ = RecentFilesSeparatorVisible(files);
  UINT position = kRecentFilesPosition;
  if (recentSeparator_) InsertMenuA(file_, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  for (int k = 1; k <= kRecentFileCount; ++k) {
    const std::string& path = files[static_cast<std::size_t>(k - 1)];
    if (path.empty()) continue;
    const std::string caption = RecentFileCaption(k, path);
    InsertMenuA(file_, position++, MF_BYPOSITION | MF_STRING, kCmdRecentFile1 + static_cast<UINT>(k - 1),
                caption.c_str());
    ++recentShown_;
  }
}

void MainMenu::Enable(UINT command, bool enabled) {
  EnableMenuItem(bar_, command, MF_BYCOMMAND | (enabled && Available(command) ? MF_ENABLED : MF_GRAYED));
}

void MainMenu::Check(UINT command, bool checked) {
  CheckMenuItem(bar_, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainMenu::SetCaption(UINT command, const std::string& caption) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING;
  item.dwTypeData = const_cast<char*>(caption.c_str());
  SetMenuItemInfoA(bar_, command, FALSE, &item);
}

bool MainMenu::IsEnabled(UINT command) const {
  const UINT state = GetMenuState(bar_, command, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool MainMenu::IsChecked(UINT command) const {
  const UINT state = GetMenuState(bar_, command, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

HMENU CreateTrayMenu() {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, kCmdTrayOpen, "&Open");
  AppendMenuA(menu, MF_STRING, kCmdTrayHelp, "&Help");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, kCmdTrayTerminate, "&Terminate and Unload");
  return menu;
}

}  // namespace tavrix
