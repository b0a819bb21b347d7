// The main window's caption (`DoCaption`): the macro file's name and the
// browse mode the program runs in.
#pragma once

#include <string>

#include "shell/config/command_line.h"

namespace tavrix {

// "Tavrix (" + file title + ")", then "    (Browse All Mode)" or
// "    (Browse Mode)" in the browse modes.
std::string MainWindowCaption(const std::string& fileTitle, const StartupModes& modes);

}  // namespace tavrix
