#include "shell/config/win32/config_location_win32.h"

#include <windows.h>

#include <string>

#include "shell/config/config_location.h"

namespace tavrix {
namespace {

// CSIDL_APPDATA; the function is looked up by name because the oldest
// systems the program runs on do not have it.
constexpr int kAppDataFolderId = 0x001a;
using ShGetFolderPathFunction = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

std::string FolderFromShell() {
  HMODULE shell = LoadLibraryA("SHELL32.DLL");
  if (!shell) return {};
  std::string folder;
  const auto getFolderPath =
      reinterpret_cast<ShGetFolderPathFunction>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetFolderPathA")));
  char buffer[MAX_PATH] = {};
  if (getFolderPath && getFolderPath(nullptr, kAppDataFolderId, nullptr, 0, buffer) == S_OK) folder = buffer;
  FreeLibrary(shell);
  return folder;
}

std::string FolderFromEnvironment() {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("APPDATA", buffer, MAX_PATH);
  return (length > 0 && length < MAX_PATH) ? std::string(buffer, length) : std::string();
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::string WindowsFolder() {
  char buffer[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  return (length > 0 && length < MAX_PATH) ? std::string(buffer, length) : std::string();
}

std::string AppDataFolder() {
  std::string folder = FolderFromShell();
  if (folder.empty()) folder = FolderFromEnvironment();
  return FolderExists(folder) ? folder : std::string();
}

bool WinFileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Asking for access rights would not do: only an actual file shows what the
// system (with its virtualisation and policies) really lets this user do.
bool FolderIsWritable(const std::string& folder) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    const std::string probe = JoinWindowsPath(
        folder, "TVX" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) + ".TMP");
    const HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY,
                                    nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      DeleteFileA(probe.c_str());
      return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

std::string PrepareConfigurationFile() {
  ConfigurationPlaceFacts facts;
  facts.windowsFolder = WindowsFolder();
  facts.appDataFolder = AppDataFolder();
  facts.windowsFolderWritable = FolderIsWritable(facts.windowsFolder);
  facts.fileExists = WinFileExists;
  const ConfigurationPlace place = ChooseConfigurationPlace(facts);
  if (!place.folderToCreate.empty()) CreateDirectoryA(place.folderToCreate.c_str(), nullptr);
  if (place.copyFrom) CopyFileA(place.copyFrom->c_str(), place.path.c_str(), TRUE);
  return place.path;
}

}  // namespace tavrix
