// Where "TAVRX.INI" lives. The program has always kept it in the Windows
// folder, where the profile functions put a file named without a folder. On a
// system where the user may not write there (any current Windows without
// administrator rights) every setting written there would be lost without a
// word, so the file then moves to the user's application-data folder.
//
// The choice, in order:
//   1. "<app data>\Tavrix\TAVRX.INI" when that file exists: it was made
//      there before, and stays the user's file even when a later run could
//      write to the Windows folder.
//   2. "<Windows folder>\TAVRX.INI" when the Windows folder is writable, or
//      when there is no application-data folder to go to.
//   3. Otherwise "<app data>\Tavrix\TAVRX.INI", the folder created first and,
//      when "<Windows folder>\TAVRX.INI" exists, that file copied over once
//      (the next run finds the copy under 1) so earlier settings are kept.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tavrix {

struct ConfigurationPlaceFacts {
  std::string windowsFolder;          // e.g. "C:\WINDOWS"
  std::string appDataFolder;          // e.g. "C:\Users\Ann\AppData\Roaming"; empty when the system has none
  bool windowsFolderWritable = true;  // found by creating and deleting a probe file
  std::function<bool(const std::string& path)> fileExists;
};

struct ConfigurationPlace {
  std::string path;                       // the full path of the file to use
  std::string folderToCreate;             // create this folder first (empty: none)
  std::optional<std::string> copyFrom;    // copy this file to `path` first, not overwriting
  bool operator==(const ConfigurationPlace&) const = default;
};

ConfigurationPlace ChooseConfigurationPlace(const ConfigurationPlaceFacts& facts);

// `folder` and `name` joined by one backslash.
std::string JoinWindowsPath(const std::string& folder, const std::string& name);

}  // namespace tavrix
