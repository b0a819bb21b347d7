// The command-line switches of the program, turned into the ordered list the
// main window works through after its own set-up (`ProcessParam`). Every
// argument is upper-cased before it is compared, so "/hide" works and a "/F"
// path arrives in upper case; anything that is not a switch is ignored.
//
//   /HIDE  /B  /BA  /S  /N    as they are
//   /SM n  /SMn               Sync Minutes n, only for n from 1 to 98
//   /F path  /Fpath           load that macro file (when it exists)
//
// A switch that takes a value takes the next argument unless that argument is
// itself a switch (starts with '/'), or the value written right after it.
// "/SM" or "/F" without a usable value is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/config/configuration.h"

namespace tavrix {

enum class StartupSwitch {
  Hide,          // /HIDE: hide the main window the first time it is painted
  Browse,        // /B: browse mode
  LockedBrowse,  // /BA: locked browse mode (browse mode and more)
  AutoSync,      // /S: "Auto Sync" on
  NetworkMode,   // /N: network mode on, lock file prepared
  SyncMinutes,   // /SM: "Sync Minutes" := syncMinutes
  LoadFile,      // /F: path becomes the current macro file if it exists
};

struct CommandLineSwitch {
  StartupSwitch kind = StartupSwitch::Hide;
  std::int32_t syncMinutes = 0;  // SyncMinutes only: 1..98
  std::string path;              // LoadFile only: upper-cased, existence not checked
  bool operator==(const CommandLineSwitch&) const = default;
};

// The switches among `arguments` (the program's parameters, without the
// program name), in command-line order.
std::vector<CommandLineSwitch> ParseCommandLine(const std::vector<std::string>& arguments);

// The modes that hold for the whole run, whatever their order.
struct StartupModes {
  bool hide = false;
  bool browse = false;        // also set by /BA
  bool lockedBrowse = false;
  bool operator==(const StartupModes&) const = default;
};
StartupModes StartupModesOf(const std::vector<CommandLineSwitch>& switches);

// Applies /S, /N and /SM to the settings and answers true; false (nothing
// changed) for the other switches, which are the main window's business. The
// lock file that /N needs is prepared by the caller.
bool ApplyToConfiguration(const CommandLineSwitch& startupSwitch, Configuration& configuration);

// Splits a Windows command line into words the way the program's parameters
// are counted: control characters and blanks separate words, double quotes
// group blanks into a word and are dropped, an empty word ("") is skipped.
// The first word is the program itself.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace tavrix
