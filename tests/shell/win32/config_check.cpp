// The configuration on real profile functions: the Windows binding reads and
// writes, the portable INI reader agrees with the system's own reader on the
// same file, and the configuration file's folder is chosen and prepared.
// Prints one line per failed check and "config check: N failed" at the end;
// the exit code is the number of failures.
#include <windows.h>

#include <iostream>
#include <string>

#include "shell/config/config_location.h"
#include "shell/config/configuration.h"
#include "shell/config/ini_profile_file.h"
#include "shell/config/win32/config_location_win32.h"
#include "shell/config/win32/win_profile_file.h"

namespace {

int failures = 0;

template <class A, class B>
void CheckEqual(const A& actual, const B& expected, const char* what) {
  if (actual == expected) return;
  ++failures;
  std::cout << "FAILED: " << what << "\n  actual:   [" << actual << "]\n  expected: [" << expected << "]\n";
}

void Check(bool condition, const char* what) {
  if (condition) return;
  ++failures;
  std::cout << "FAILED: " << what << "\n";
}

std::string MakeScratchFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = tavrix::JoinWindowsPath(temp, "tvxcheck" + std::to_string(GetCurrentProcessId()));
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void WriteRawFile(const std::string& path, const std::string& text) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

void WindowsBindingReadsAndWrites(const std::string& folder) {
  const std::string path = tavrix::JoinWindowsPath(folder, "BINDING.INI");
  tavrix::WinProfileFile profile(path);
  CheckEqual(profile.GetString("Misc", "Use Tray", "No"), "No", "missing file gives the default");
  profile.WriteString("Misc", "Use Tray", "Yes");
  profile.WriteString("Capture", "Keys", "No");
  profile.WriteString("Misc", "Current File", std::string(600, 'x'));
  CheckEqual(profile.GetString("MISC", "use tray", "No"), "Yes", "case-insensitive lookup");
  CheckEqual(profile.GetString("Capture", "Keys", "Yes"), "No", "second section");
  CheckEqual(profile.GetString("Misc", "Current File", "").size(), std::size_t{600}, "long value read whole");
  CheckEqual(profile.GetString("Misc", "Missing", "fallback"), "fallback", "missing key gives the default");
}

// The same hand-written file read by the system and by the portable reader.
void BothReadersAgree(const std::string& folder) {
  const std::string path = tavrix::JoinWindowsPath(folder, "AGREE.INI");
  WriteRawFile(path,
               "Orphan=1\r\n"
               "[Misc]\r\n"
               "  Use Tray  =  yes  \r\n"
               "Wave File=\"C:\\A B.WAV\"\r\n"
               "Prefix Keys=';'\r\n"
               "Odd Quotes=\"x'\r\n"
               "Twice=first\r\n"
               "twice=second\r\n"
               "Empty=\r\n"
               ";Comment=1\r\n"
               "\r\n"
               "[ capture ]\r\n"
               "Keys=No\r\n"
               "[misc]\r\n"
               "Later=1\r\n");
  tavrix::WinProfileFile system(path);
  tavrix::IniProfileFile portable(path);
  const char* lookups[][2] = {{"Misc", "Use Tray"},  {"MISC", "wave file"}, {"Misc", "Prefix Keys"},
                              {"Misc", "Odd Quotes"}, {"Misc", "Twice"},     {"Misc", "Empty"},
                              {"Capture", "Keys"},  {"Misc", "Orphan"},    {"Misc", "Nothing"}};
  for (const auto& lookup : lookups) {
    const std::string what = std::string("same value for [") + lookup[0] + "] " + lookup[1];
    CheckEqual(portable.GetString(lookup[0], lookup[1], "<default>"), system.GetString(lookup[0], lookup[1], "<default>"),
               what.c_str());
  }
}

// A configuration saved through the system functions loads through the
// portable reader and the other way round.
void ConfigurationCrossesBothWays(const std::string& folder) {
  tavrix::Configuration changed;
  changed.useTray = true;
  changed.primarySort = "321";
  changed.lastFiles[2] = "D:\\MACROS\\C.TVX";
  changed.gridFont = {-16777208, "Courier New", 9, true, false, true, false};
  changed.timerSeconds = 45;
  changed.currentFile = "D:\\MACROS\\WORK.TVX";
  const auto anyFile = [](const std::string&) { return true; };

  const std::string systemPath = tavrix::JoinWindowsPath(folder, "SYSTEM.INI");
  tavrix::WinProfileFile systemFile(systemPath);
  changed.Save(systemFile);
  tavrix::IniProfileFile portableReader(systemPath);
  tavrix::Configuration loaded;
  loaded.Load(portableReader, "C:\\TAVRIX", anyFile);
  Check(loaded == changed, "saved by the system, loaded by the portable reader");

  const std::string portablePath = tavrix::JoinWindowsPath(folder, "PORTABLE.INI");
  tavrix::IniProfileFile portableFile(portablePath);
  changed.Save(portableFile);
  tavrix::WinProfileFile systemReader(portablePath);
  loaded = tavrix::Configuration{};
  loaded.Load(systemReader, "C:\\TAVRIX", anyFile);
  Check(loaded == changed, "saved by the portable writer, loaded by the system");

  // The portable writer then changes one key of the file the system wrote.
  portableReader.WriteString("Network", "Sync Minutes", "33");
  CheckEqual(systemFile.GetString("Network", "Sync Minutes", ""), "33", "system sees the portable change");
}

void ConfigurationPlaceIsPrepared(const std::string& folder) {
  Check(tavrix::FolderIsWritable(folder), "scratch folder is writable");
  Check(!tavrix::FolderIsWritable(tavrix::JoinWindowsPath(folder, "no such folder")), "missing folder is not");
  const std::string windowsFolder = tavrix::WindowsFolder();
  Check(!windowsFolder.empty(), "Windows folder found");
  const std::string path = tavrix::PrepareConfigurationFile();
  const std::string inAppData = tavrix::JoinWindowsPath(tavrix::AppDataFolder(), "Tavrix\\TAVRX.INI");
  if (tavrix::FolderIsWritable(windowsFolder) && !tavrix::WinFileExists(inAppData)) {
    CheckEqual(path, tavrix::JoinWindowsPath(windowsFolder, "TAVRX.INI"), "writable Windows folder keeps the file");
  } else {
    CheckEqual(path, inAppData, "otherwise the application-data folder");
  }
  std::cout << "configuration file: " << path << "\n";
}

}  // namespace

int main() {
  const std::string folder = MakeScratchFolder();
  WindowsBindingReadsAndWrites(folder);
  BothReadersAgree(folder);
  ConfigurationCrossesBothWays(folder);
  ConfigurationPlaceIsPrepared(folder);
  for (const char* name : {"BINDING.INI", "AGREE.INI", "SYSTEM.INI", "PORTABLE.INI"}) {
    DeleteFileA(tavrix::JoinWindowsPath(folder, name).c_str());
  }
  RemoveDirectoryA(folder.c_str());
  std::cout << "config check: " << failures << " failed\n";
  return failures;
}
