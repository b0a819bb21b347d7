#include "shell/win32/program_start.h"

#include <array>
#include <string>
#include <vector>

#include "editing/win32/win32_file_checks.h"
#include "platform/win32/control_blocks.h"
#include "shell/win32/main_form.h"
#include "shell/win32/scratch_folder.h"
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

// Made after the single-instance test: each must be this copy's own, since
// whoever made one first could read or change what passes through it.
bool CreateLibraryObjects(LibraryObjects& objects) {
  NamedObjectFault fault = NamedObjectFault::None;
  objects.table = CreateNamedMapping(kTableMappingName, kTableMappingSize, fault);
  if (!objects.table) {
    ShowNamedObjectFault(fault, kTableMappingName, kMappingNotCreatedText);
    return false;
  }
  for (std::size_t i = 0; i < objects.mutexes.size(); ++i) {
    objects.mutexes[i] = CreateNamedMutex(kMutexNames[i], fault);
    if (!objects.mutexes[i]) {
      ShowNamedObjectFault(fault, kMutexNames[i], kMutexNotCreatedText);
      return false;
    }
  }
  return true;
}

// The marker of a running instance, made first of all named objects, so that
// a second instance finds it (an instance that started at the same moment
// is caught by the marker existing already) before it meets the objects of
// the first.
enum class InstanceClaim { Claimed, AlreadyRunning, Failed };

InstanceClaim ClaimSingleInstance(KernelHandle& marker, bool trayMode) {
  NamedObjectFault fault = NamedObjectFault::HeldByAnother;
  if (!NamedMappingExists(kInstanceMarkerName))
    marker = CreateNamedMapping(kInstanceMarkerName, kInstanceMarkerSize, fault);
  if (marker) return InstanceClaim::Claimed;
  // A mapping of the name is another copy of Tavrix; anything else is not.
  if (fault == NamedObjectFault::HeldByAnother && NamedMappingExists(kInstanceMarkerName)) {
    MessageBoxA(nullptr, AlreadyRunningText(trayMode), "", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    return InstanceClaim::AlreadyRunning;
  }
  ShowNamedObjectFault(fault, kInstanceMarkerName, kMappingNotCreatedText);
  return InstanceClaim::Failed;
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

  WinProfileFile profile(PrepareConfigurationFile());
  Configuration configuration;
  configuration.Load(profile, programFolder, WinFileExists);

  // Before the macro file is loaded: a second instance must not publish its
  // macros into the library the first one uses.
  KernelHandle instanceMarker;
  const InstanceClaim claim = ClaimSingleInstance(instanceMarker, configuration.useTray);
  if (claim != InstanceClaim::Claimed) return claim == InstanceClaim::AlreadyRunning ? 0 : 1;

  LibraryObjects libraryObjects;
  if (!CreateLibraryObjects(libraryObjects)) return 1;

  // Keys a killed run recorded stay on no disk (this copy is the only one
  // running, so no capture is under way).
  const std::string scratchFolder = UserScratchFolder();
  RemoveLeftoverCaptureFile(scratchFolder);
  RemoveLeftoverCaptureFile(programFolder);

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
  environment.scratchFolder = scratchFolder;
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
