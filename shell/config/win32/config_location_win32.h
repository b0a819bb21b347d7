// Finds the facts the choice of the configuration file's place needs, and
// makes the place ready (folder created, old settings copied over).
#pragma once

#include <string>

namespace tavrix {

std::string WindowsFolder();
// The user's roaming application-data folder; empty on systems without one.
std::string AppDataFolder();
// True when a file can be created (and is then deleted again) in `folder`.
bool FolderIsWritable(const std::string& folder);
bool WinFileExists(const std::string& path);

// The full path of "TAVRX.INI" for this user, ready to be used.
std::string PrepareConfigurationFile();

}  // namespace tavrix
