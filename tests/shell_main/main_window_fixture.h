// The main window on a simulated desktop: a recording host for its real
// window, the recording hook library, an in-memory configuration file and a
// scratch folder for macro files.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "activation/activation_dispatcher.h"
#include "activation/foreground_tracking.h"
#include "playback/pause_box.h"
#include "playback/player.h"
#include "shell/config/memory_profile_file.h"
#include "shell/main_window.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/macro_record.h"
#include "store/recording_hook_library.h"
#include "tests/support/record_builder.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/sim_world.h"

namespace tavrix::testing {

using test_support::Lines;
using test_support::LinesStartingWith;
using test_support::Macro;
using test_support::ScratchFolder;
using test_support::TypedLetters;
using test_support::WriteMacroFile;

// What the main window asked of its real window, one line per call.
class RecordingHost : public MainWindowHost {
 public:
  static constexpr WindowId kHandle = 0x7A7A;

  // The real menu is built with the layout's captions.
  RecordingHost() {
    for (const MenuItem& item : MenuLayout())
      if (item.kind == MenuItem::Kind::Entry) menu[item.command].caption = item.caption;
  }

  WindowId Handle() override { return kHandle; }
  void StartTimer(MainTimer timer, std::uint32_t ms) override {
    Note("StartTimer " + std::to_string(static_cast<int>(timer)) + " " + std::to_string(ms));
    running[static_cast<int>(timer)] = true;
  }
  void StopTimer(MainTimer timer) override {
    Note("StopTimer " + std::to_string(static_cast<int>(timer)));
    running[static_cast<int>(timer)] = false;
  }
  bool IsVisible() override { return visible; }
  bool IsMinimized() override { return minimized; }
  void ShowFirst(FirstShow how) override {
    Note("ShowFirst " + std::to_string(static_cast<int>(how)));
    visible = true;
    minimized = how == FirstShow::Minimized;
  }
  void ShowWindow() override { Note("ShowWindow"); visible = true; }
  void HideWindow() override { Note("HideWindow"); visible = false; }
  void RestoreWindow() override { Note("RestoreWindow"); minimized = false; }
  void MinimizeWindow() override { Note("MinimizeWindow"); minimized = true; }
  void BringToFront() override { Note("BringToFront"); }
  void ShowTaskbarWindow(bool shown) override { Note(std::string("ShowTaskbarWindow ") + (shown ? "1" : "0")); }
  bool ModalBoxOpen() override { return boxOpen; }
  void SetCaption(const std::string& text) override { caption = text; Note("SetCaption " + text); }
  void RefillList() override { Note("RefillList"); }
  void RedrawList() override { Note("RedrawList"); }
  int SelectedMacro() override { return selected; }
  void SelectMacro(int n) override {
    Note("SelectMacro " + std::to_string(n));
    selected = n;
  }
  void SetColumnWidths(const std::array<std::int32_t, 3>& widths) override {
    Note("SetColumnWidths " + std::to_string(widths[0]) + " " + std::to_string(widths[1]) + " " +
         std::to_string(widths[2]));
  }
  // The menu as the real window would show it.
  void SetMenuEnabled(Command command, bool enabled) override { menu[command].enabled = enabled; }
  void SetMenuChecked(Command command, bool checked) override { menu[command].checked = checked; }
  void SetMenuCaption(Command command, const std::string& text) override { menu[command].caption = text; }
  void SetRecentFiles(const RecentFiles& files) override {
    recentFiles = files;
    Note("SetRecentFiles");
  }
  void ShowTrayIcon(bool shown) override {
    trayIcon = shown;
    Note(std::string("ShowTrayIcon ") + (shown ? "1" : "0"));
  }
  void SetPopupTrayIcons(const std::vector<PopupTrayIcon>& icons, const std::string& /*folder*/) override {
    std::string line = "PopupTrayIcons";
    for (const PopupTrayIcon& icon : icons) line += " " + std::to_string(icon.macro) + ":" + icon.icon + ":" + icon.tooltip;
    Note(line);
  }
  void ShowHelp(const std::string& file) override { Note("ShowHelp " + file); }
  void StoreWindowBounds() override { Note("StoreWindowBounds"); }
  bool ChooseFont(FontSettings& font, bool printFont) override { return chooseFont && chooseFont(font, printFont); }
  bool PrintMacroList(const std::string& path, const std::vector<PrintRow>& rows, const FontSettings& font) override {
    return print && print(path, rows, font);
  }
  void ApplyAppearance(const Configuration&) override { Note("ApplyAppearance"); }
  void Close() override { Note("Close"); }

  bool TimerRunning(MainTimer timer) const { return running[static_cast<int>(timer)]; }
  bool Saw(const std::string& line) const {
    for (const auto& l : lines) if (l == line) return true;
    return false;
  }

  struct Entry {
    bool enabled = false;
    bool checked = false;
    std::string caption;
  };

  Lines lines;
  bool visible = true;
  bool minimized = false;
  bool boxOpen = false;
  bool trayIcon = false;
  int selected = 0;
  std::string caption;
  std::map<Command, Entry> menu;
  RecentFiles recentFiles;
  // What the system's font and print dialogs answer (none: cancelled).
  std::function<bool(FontSettings&, bool)> chooseFont;
  std::function<bool(const std::string&, const std::vector<PrintRow>&, const FontSettings&)> print;

 private:
  void Note(std::string line) { lines.push_back(std::move(line)); }
  bool running[8] = {};
};

// A hook library whose named installer fails (answers handle 0).
class FailingHookLibrary : public RecordingHookLibrary {
 public:
  void SetFailing(std::string name) { failing_ = std::move(name); }
  HookHandle TvxHookKeyboard() override { return Fails("TvxHookKeyboard") ? 0 : RecordingHookLibrary::TvxHookKeyboard(); }
  HookHandle TvxHookMouse() override { return Fails("TvxHookMouse") ? 0 : RecordingHookLibrary::TvxHookMouse(); }
  HookHandle TvxHookCBT() override { return Fails("TvxHookCBT") ? 0 : RecordingHookLibrary::TvxHookCBT(); }
  HookHandle TvxHookSwap() override { return Fails("TvxHookSwap") ? 0 : RecordingHookLibrary::TvxHookSwap(); }

 private:
  bool Fails(const char* name) const { return failing_ == name; }
  std::string failing_;
};

// Counts what is written into it, so a test sees that settings were saved.
class CountingProfileFile : public MemoryProfileFile {
 public:
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    ++writes;
    MemoryProfileFile::WriteString(section, key, value);
  }
  std::size_t writes = 0;
};

// --- Macro records ------------------------------------------------------------

inline MacroRecord SystemEntry(int digit, std::uint16_t code) {
  static const char* const names[] = {"", "Open Tavrix", "Start / Stop Capture", "Resume Pause", "Menu"};
  return test_support::SystemMacro(digit, names[digit], code, 0);
}

inline MacroRecord StartUpMacro(const std::string& nick, const std::string& text, std::int16_t scope = kScopeGlobal,
                                const std::string& scopeName = "") {
  MacroRecord r = Macro(nick, kTimedActivation, text, scope, scopeName);
  r.SetSchedKind(kScheduleAtStartUp);
  return r;
}

// Hot key codes used below.
inline constexpr std::uint16_t kCtrlA = 0;
inline constexpr std::uint16_t kCtrlB = 1;
inline constexpr std::uint16_t kCtrlC = 2;
inline constexpr std::uint16_t kF1 = 288;
inline constexpr std::uint16_t kAltQ = 64;  // "Alt+Q"
// The system activations a fresh file gets use codes the tests leave alone;
// these are the ones the tests' own files give them.
inline constexpr std::uint16_t kOpenKey = 262;      // Ctrl+Alt+Shift+W
inline constexpr std::uint16_t kCaptureKey = 263;
inline constexpr std::uint16_t kResumeKey = 264;
inline constexpr std::uint16_t kMenuKey = 265;

inline std::vector<MacroRecord> SystemEntries() {
  return {SystemEntry(1, kOpenKey), SystemEntry(2, kCaptureKey), SystemEntry(3, kResumeKey),
          SystemEntry(4, kMenuKey)};
}

// The four system entries followed by `macros` (numbered from 5).
inline std::vector<MacroRecord> WithSystemEntries(const std::vector<MacroRecord>& macros) {
  std::vector<MacroRecord> records = SystemEntries();
  records.insert(records.end(), macros.begin(), macros.end());
  return records;
}

// --- The rig ------------------------------------------------------------------

class MainWindowTest : public ::testing::Test, protected test_support::SimWorld {
 protected:
  // A main window over `records` (written to TAVRX.TVX in the scratch
  // folder), loaded and created with `switches`.
  bool Start(const std::vector<MacroRecord>& records, const std::vector<CommandLineSwitch>& switches = {}) {
    Prepare(records);
    window->LoadMacroFileAtStart();
    return window->FormCreate(switches);
  }

  void Prepare(const std::vector<MacroRecord>& records) {
    macroPath = folder.File("TAVRX.TVX");
    WriteMacroFile(macroPath, records);
    configuration.currentFile = macroPath;
    window = std::make_unique<TMainWin>(TMainWin::Environment{
        desktop, ui, hooks, host, configuration, profile, folder.Path(), "TAVRXP.EXE", true, trayAllowed, false});
  }

  // While the pause box is open the user does `action`, then clicks Resume
  // (which does nothing when the action resumed already).
  void WhilePaused(std::function<void()> action) {
    ui.AnswerFormAlways(TPauseMacro::kName, [this, action = std::move(action)](Form& box) {
      action();
      if (!box.Closed()) ui.Answer("ResumeButton")(box);
    });
  }

  SharedMacroTable& Table() { return window->Index().table(); }
  Lines Messages() const { return LinesStartingWith(Trace(), "message "); }
  std::vector<std::string> CallNames() const {
    std::vector<std::string> names;
    for (const auto& call : hooks.calls()) names.push_back(call.name);
    return names;
  }

  ScratchFolder folder;
  FailingHookLibrary hooks;
  RecordingHost host;
  Configuration configuration;
  CountingProfileFile profile;
  bool trayAllowed = true;
  std::string macroPath;
  std::unique_ptr<TMainWin> window;
};

}  // namespace tavrix::testing
