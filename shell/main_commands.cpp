#include "shell/main_commands.h"

#include <algorithm>
#include <array>

namespace tavrix {
namespace {

using Kind = MenuItem::Kind;

// What a command's row says besides its caption.
constexpr std::uint8_t kBuilt = 1;   // the program has the command
constexpr std::uint8_t kBrowse = 2;  // it changes macros: either browse mode takes it away
constexpr std::uint8_t kLocked = 4;  // locked browse mode ("/BA") takes it away too

constexpr MenuItem Entry(Menu menu, Command command, const char* caption, std::uint8_t traits = 0) {
  return MenuItem{menu, Kind::Entry, command, Menu::Bar, caption, traits};
}
constexpr MenuItem Separator(Menu menu) { return MenuItem{menu, Kind::Separator, Command{}, Menu::Bar, nullptr, 0}; }
constexpr MenuItem Submenu(Menu menu, Menu submenu, const char* caption) {
  return MenuItem{menu, Kind::Submenu, Command{}, submenu, caption, 0};
}

constexpr MenuItem kLayout[] = {
    Submenu(Menu::Bar, Menu::File, "&File"),
    Submenu(Menu::Bar, Menu::Macros, "&Macros"),
    Entry(Menu::Bar, Command::Remap, "&Remap", kBuilt | kBrowse),  // the bar entry is the command itself
    Submenu(Menu::Bar, Menu::Options, "&Options"),
    Submenu(Menu::Bar, Menu::Tools, "&Tools"),
    Submenu(Menu::Bar, Menu::Help, "&Help"),

    Entry(Menu::File, Command::NewFile, "&New File", kBuilt | kBrowse),
    Entry(Menu::File, Command::OpenFile, "&Open File", kBuilt | kLocked),
    Separator(Menu::File),
    Entry(Menu::File, Command::OutputMacroInformation, "O&utput Macro Information", kBuilt | kLocked),
    Entry(Menu::File, Command::PrintMacroList, "&Print Macro List", kBuilt | kLocked),
    Entry(Menu::File, Command::PrinterFont, "Printer &Font", kBuilt | kLocked),
    Entry(Menu::File, Command::PrinterSetup, "Printer &Setup", kBuilt | kLocked),
    Separator(Menu::File),
    Entry(Menu::File, Command::Hide, "&Hide Tavrix", kBuilt | kLocked),
    Entry(Menu::File, Command::Terminate, "&Terminate Tavrix", kBuilt),

    Entry(Menu::Macros, Command::AddMacro, "&Add Macro", kBuilt | kBrowse),
    Entry(Menu::Macros, Command::CopyMacro, "Cop&y Macro", kBuilt | kBrowse),
    Entry(Menu::Macros, Command::RenameMacro, "Rena&me Macro", kBuilt | kBrowse),
    Separator(Menu::Macros),
    Entry(Menu::Macros, Command::ImportMacros, "&Import Macros", kBuilt | kBrowse),
    Entry(Menu::Macros, Command::ExportMacros, "E&xport Macros", kBuilt | kBrowse),
    Separator(Menu::Macros),
    Entry(Menu::Macros, Command::ScriptingEditor, "&Scripting Editor", kBuilt | kBrowse),
    Entry(Menu::Macros, Command::ModifyDirectly, kModifyDirectlyCaption, kBuilt | kBrowse),
    Entry(Menu::Macros, Command::RecaptureMacro, "Re&capture Macro", kBuilt | kBrowse),
    Separator(Menu::Macros),
    Entry(Menu::Macros, Command::ActivateMacro, kActivateCaption, kBuilt | kBrowse),
    Entry(Menu::Macros, Command::QuickInfo, "&Quick Info", kBuilt | kLocked),
    Entry(Menu::Macros, Command::Sort, "S&ort", kBuilt | kLocked),
    Separator(Menu::Macros),
    Entry(Menu::Macros, Command::RemoveMacro, "&Remove Macro", kBuilt | kBrowse),

    Entry(Menu::Options, Command::Appearance, "&Appearance", kBuilt | kBrowse),
    Entry(Menu::Options, Command::Network, "&Network", kBuilt | kBrowse),
    Entry(Menu::Options, Command::Wordlets, "Word&lets", kBuilt | kBrowse),
    Entry(Menu::Options, Command::Capture, "&Capture", kBuilt | kBrowse),
    Submenu(Menu::Options, Menu::Scheduler, "&Scheduler"),
    Submenu(Menu::Options, Menu::ScreenSaver, "Screen Sa&ver"),
    Separator(Menu::Options),
    Entry(Menu::Options, Command::PlaceInSystemTray, "Place in System &Tray", kBuilt | kLocked),
    Entry(Menu::Scheduler, Command::ShowDateTime, "&Show Date && Time", kBuilt | kLocked),
    Entry(Menu::Scheduler, Command::Alarm, "&Alarm", kBuilt | kLocked),
    Entry(Menu::Scheduler, Command::TimerInterval, "&Timer Interval", kBuilt | kLocked),
    Entry(Menu::ScreenSaver, Command::DisableScreenSaver, "&Disable if using Timed Macros", kBuilt | kBrowse),

    Entry(Menu::Tools, Command::MouseLocator, "Mouse &Locator", kBuilt),
    Separator(Menu::Tools),
    Entry(Menu::Tools, Command::RestoreKeyboardHooks, "Restore &Keyboard Hooks", kBuilt),
    Entry(Menu::Tools, Command::RestoreMouseHooks, "Restore &Mouse Hooks", kBuilt),

    Entry(Menu::Help, Command::HelpContents, "&Contents", kBuilt),
    Entry(Menu::Help, Command::Tutorial, "&Tutorial / User Guide", kBuilt),
    Separator(Menu::Help),
    Entry(Menu::Help, Command::About, "&About", kBuilt),

    Entry(Menu::Tray, Command::TrayOpen, "&Open", kBuilt),
    Entry(Menu::Tray, Command::TrayHelp, "&Help", kBuilt),
    Separator(Menu::Tray),
    Entry(Menu::Tray, Command::TrayTerminate, "&Terminate and Unload", kBuilt),
};

// The recent files are not rows: they open other files, which locked
// browse mode does not allow.
constexpr std::uint8_t kRecentFileTraits = kBuilt | kLocked;

std::uint8_t TraitsOf(Command command) {
  if (RecentFileNumber(command) > 0) return kRecentFileTraits;
  for (const MenuItem& item : kLayout)
    if (item.kind == Kind::Entry && item.command == command) return item.traits;
  return 0;
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

bool CommandBuilt(Command command) { return (TraitsOf(command) & kBuilt) != 0; }

bool BrowseForbids(Command command, const StartupModes& modes) {
  const std::uint8_t traits = TraitsOf(command);
  return (modes.browse && (traits & kBrowse) != 0) || (modes.lockedBrowse && (traits & kLocked) != 0);
}

}  // namespace tavrix
