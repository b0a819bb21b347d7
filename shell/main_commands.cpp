#include "shell/main_commands.h"

#include <algorithm>
#include <array>

namespace tavrix {
namespace {

using Kind = MenuItem::Kind;

constexpr MenuItem Entry(Menu menu, Command command, const char* caption) {
  return MenuItem{menu, Kind::Entry, command, Menu::Bar, caption};
}
constexpr MenuItem Separator(Menu menu) { return MenuItem{menu, Kind::Separator, Command{}, Menu::Bar, nullptr}; }
constexpr MenuItem Submenu(Menu menu, Menu submenu, const char* caption) {
  return MenuItem{menu, Kind::Submenu, Command{}, submenu, caption};
}

constexpr MenuItem kLayout[] = {
    Submenu(Menu::Bar, Menu::File, "&File"),
    Submenu(Menu::Bar, Menu::Macros, "&Macros"),
    Entry(Menu::Bar, Command::Remap, "&Remap"),  // the bar entry is the command itself
    Submenu(Menu::Bar, Menu::Options, "&Options"),
    Submenu(Menu::Bar, Menu::Tools, "&Tools"),
    Submenu(Menu::Bar, Menu::Help, "&Help"),

    Entry(Menu::File, Command::NewFile, "&New File"),
    Entry(Menu::File, Command::OpenFile, "&Open File"),
    Separator(Menu::File),
    Entry(Menu::File, Command::OutputMacroInformation, "O&utput Macro Information"),
    Entry(Menu::File, Command::PrintMacroList, "&Print Macro List"),
    Entry(Menu::File, Command::PrinterFont, "Printer &Font"),
    Entry(Menu::File, Command::PrinterSetup, "Printer &Setup"),
    Separator(Menu::File),
    Entry(Menu::File, Command::Hide, "&Hide Tavrix"),
    Entry(Menu::File, Command::Terminate, "&Terminate Tavrix"),

    Entry(Menu::Macros, Command::AddMacro, "&Add Macro"),
    Entry(Menu::Macros, Command::CopyMacro, "Cop&y Macro"),
    Entry(Menu::Macros, Command::RenameMacro, "Rena&me Macro"),
    Separator(Menu::Macros),
    Entry(Menu::Macros, Command::ImportMacros, "&Import Macros"),
    Entry(Menu::Macros, Command::ExportMacros, "E&xport Macros"),
    Separator(Menu::Macros),
    Entry(Menu::Macros, Command::ScriptingEditor, "&Scripting Editor"),
    Entry(Menu::Macros, Command::ModifyDirectly, kModifyDirectlyCaption),
    Entry(Menu::Macros, Command::RecaptureMacro, "Re&capture Macro"),
    Separator(Menu::Macros),
    Entry(Menu::Macros, Command::ActivateMacro, kActivateCaption),
    Entry(Menu::Macros, Command::QuickInfo, "&Quick Info"),
    Entry(Menu::Macros, Command::Sort, "S&ort"),
    Separator(Menu::Macros),
    Entry(Menu::Macros, Command::RemoveMacro, "&Remove Macro"),

    Entry(Menu::Options, Command::Appearance, "&Appearance"),
    Entry(Menu::Options, Command::Network, "&Network"),
    Entry(Menu::Options, Command::Wordlets, "Word&lets"),
    Entry(Menu::Options, Command::Capture, "&Capture"),
    Submenu(Menu::Options, Menu::Scheduler, "&Scheduler"),
    Submenu(Menu::Options, Menu::ScreenSaver, "Screen Sa&ver"),
    Separator(Menu::Options),
    Entry(Menu::Options, Command::PlaceInSystemTray, "Place in System &Tray"),
    Entry(Menu::Scheduler, Command::ShowDateTime, "&Show Date && Time"),
    Entry(Menu::Scheduler, Command::Alarm, "&Alarm"),
    Entry(Menu::Scheduler, Command::TimerInterval, "&Timer Interval"),
    Entry(Menu::ScreenSaver, Command::DisableScreenSaver, "&Disable if using Timed Macros"),

    Entry(Menu::Tools, Command::MouseLocator, "Mouse &Locator"),
    Separator(Menu::Tools),
    Entry(Menu::Tools, Command::RestoreKeyboardHooks, "Restore &Keyboard Hooks"),
    Entry(Menu::Tools, Command::RestoreMouseHooks, "Restore &Mouse Hooks"),

    Entry(Menu::Help, Command::HelpContents, "&Contents"),
    Entry(Menu::Help, Command::Tutorial, "&Tutorial / User Guide"),
    Separator(Menu::Help),
    Entry(Menu::Help, Command::About, "&About"),

    Entry(Menu::Tray, Command::TrayOpen, "&Open"),
    Entry(Menu::Tray, Command::TrayHelp, "&Help"),
    Separator(Menu::Tray),
    Entry(Menu::Tray, Command::TrayTerminate, "&Terminate and Unload"),
};

constexpr Command kBuilt[] = {
    Command::NewFile,        Command::OpenFile,           Command::RecentFile1,       Command::RecentFile2,
    Command::RecentFile3,    Command::RecentFile4,        Command::RecentFile5,       Command::Hide,
    Command::Terminate,      Command::ActivateMacro,      Command::RemoveMacro,       Command::DisableScreenSaver,
    Command::PlaceInSystemTray, Command::MouseLocator,    Command::RestoreKeyboardHooks, Command::RestoreMouseHooks,
    Command::HelpContents,   Command::About,              Command::TrayOpen,          Command::TrayHelp,
    Command::TrayTerminate};

// Everything that changes macros.
constexpr Command kBrowseForbidden[] = {
    Command::NewFile,         Command::Network,         Command::RemoveMacro,     Command::CopyMacro,
    Command::RenameMacro,     Command::ActivateMacro,   Command::ScriptingEditor, Command::ImportMacros,
    Command::ExportMacros,    Command::ModifyDirectly,  Command::RecaptureMacro,  Command::AddMacro,
    Command::Appearance,      Command::Remap,           Command::Wordlets,        Command::Capture,
    Command::DisableScreenSaver};

// Besides: other files, printing and output, sorting, the tray and hiding.
constexpr Command kLockedBrowseForbidden[] = {
    Command::OpenFile,     Command::RecentFile1,  Command::RecentFile2,  Command::RecentFile3,
    Command::RecentFile4,  Command::RecentFile5,  Command::OutputMacroInformation, Command::PrintMacroList,
    Command::PrinterSetup, Command::PrinterFont,  Command::Hide,         Command::QuickInfo,
    Command::ShowDateTime, Command::Alarm,        Command::TimerInterval, Command::Sort,
    Command::PlaceInSystemTray};

template <std::size_t N>
bool Listed(const Command (&list)[N], Command command) {
  return std::find(std::begin(list), std::end(list), command) != std::end(list);
}

}  // namespace

std::span<const MenuItem> MenuLayout() { return kLayout; }

Command RecentFileCommand(int k) {
  return static_cast<Command>(static_cast<int>(Command::RecentFile1) + std::clamp(k, 1, 5) - 1);
}

int RecentFileNumber(Command command) {
  const int k = static_cast<int>(command) - static_cast<int>(Command::RecentFile1) + 1;
  return k >= 1 && k <= 5 ? k : 0;
}

bool CommandBuilt(Command command) { return Listed(kBuilt, command); }

bool BrowseForbids(Command command, const StartupModes& modes) {
  return (modes.browse && Listed(kBrowseForbidden, command)) ||
         (modes.lockedBrowse && Listed(kLockedBrowseForbidden, command));
}

}  // namespace tavrix
