#include "shell/win32/program_start.h"

#include <array>
#include <string>
#include <vector>

#include "editing/win32/win32_file_checks.h"
#include "platform/win32/control_blocks.h"
#include "shell/win32/main_form.h"
#include "platform/win32/named_objects.h"
#include "platform/win32/platform_class.h"
#include "platform/win32/program_folder.h"
#include "platform/win32/dpi_awareness.h"
#include "platform/win32/form_window.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_ui.h"
#include "shell/already_running.h"
#include "shell/config/command_line.h"
#include "shell/config/configuration.h"
#include "shell/config/win32/config_location_win32.h"
#include "shell/config/win32/win_profile_file.h"
#include "shell/main_window.h"
#include "store/win32/dll_hook_library.h"

namespace tavrix {
namespace {

// The objects made for the hook library before anything else; all of them
// stay open until the process ends.
struct LibraryObjects {
  KernelHandle table;
  std::array<KernelHandle, 3> mutexes;
};

bool CreateLibraryObjects(LibraryObjects& objects) {
  objects.table = CreateNamedMapping(kTableMappingName, kTableMappingSize);
  if (!objects.table) {
    ShowSystemError(kMappingNotCreatedText);
    return false;
  }
  for (std::size_t i = 0; i < objects.mutexes.size(); ++i) {
    objects.mutexes[i] = CreateNamedMutex(kMutexNames[i]);
    if (!objects.mutexes[i]) {
      ShowSystemError(kMutexNotCreatedText);
      return false;
    }
  }
  return true;
}

// The marker of a running instance. Made right after the test for one, so
// that a second instance finds it; an instance that started at the same
// moment is caught by the marker existing already.
bool ClaimSingleInstance(KernelHandle& marker, bool trayMode) {
  bool existed = NamedMappingExists(kInstanceMarkerName);
  if (!existed) marker = CreateNamedMapping(kInstanceMarkerName, kInstanceMarkerSize, &existed);
  if (existed) {
    marker.Close();
    MessageBoxA(nullptr, AlreadyRunningText(trayMode), "",
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    return false;
  }
  if (!marker) {
    ShowSystemError(kMappingNotCreatedText);
    return false;
  }
  return true;
}

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> words = SplitCommandLine(GetCommandLineA());
  if (!words.empty()) words.erase(words.begin());  // the program itself
  return words;
}

}  // namespace

int RunTavrix(HINSTANCE instance, int showCommand) {
  DeclareDpiAware();
  const std::string programFolder = ProgramFolder();

  LibraryObjects libraryObjects;
  if (!CreateLibraryObjects(libraryObjects)) return 1;

  WinProfileFile profile(PrepareConfigurationFile());
  Configuration configuration;
  configuration.Load(profile, programFolder, WinFileExists);

  // Before the macro file is loaded: a second instance must not publish its
  // macros into the library the first one uses.
  KernelHandle instanceMarker;
  if (!ClaimSingleInstance(instanceMarker, configuration.useTray)) return 0;

  DllHookLibrary library(ProgramFolderFileW(L"TVXHOOK.DLL"));
  if (!library.loaded()) {
    ShowSystemError((library.problem() + "  Tavrix will terminate.").c_str());
    return 1;
  }
  // The main window writes into the control blocks from its creation on;
  // they are mapped before it exists so that it holds them from the start.
  ControlBlocks blocks;
  if (!blocks.Create()) return 1;

  const PlatformClass platform = DeterminePlatformClass();
  Win32Desktop desktop;
  Win32Ui ui;
  ui.SetHelpFile(programFolder + "\\TAVRIX.HLP");
  MainForm form(MainForm::Services{instance, desktop, ui, configuration, blocks});
  TMainWin::Environment environment{desktop,           ui,
                                    library,           form,
                                    configuration,     profile,
                                    programFolder,     ProgramFileName(),
                                    platform.isNT,     platform.trayAllowed,
                                    MouseButtonsSwapped(), blocks.KeySwapBytes(),
                                    blocks.WindowBytes()};
  Win32FileChecks fileChecks;
  environment.files = &fileChecks;
  TMainWin main(environment);
  form.Attach(main);
  SetHotKeyEntrySwitch([&main](WindowId window, bool on) { main.SetSecWind(window, on); });
  main.LoadMacroFileAtStart();

  if (!form.CreateWindows()) {
    ShowSystemError("The main window could not be created.  Tavrix will terminate.");
    return 1;
  }
  if (!main.FormCreate(ParseCommandLine(ProgramArguments()))) {
    form.Abandon();
    return 1;
  }
  form.Start(showCommand);
  return RunMessageLoop();
}

}  // namespace tavrix
