// The main window's caption (`DoCaption`): the macro file's name, the date
// and time when they are shown, and the browse mode the program runs in.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "shell/config/command_line.h"

namespace tavrix {

// "Tavrix (" + file title + ")", then five blanks and `dateTime` when it is
// not empty, then "    (Browse All Mode)" or "    (Browse Mode)" in the
// browse modes.
std::string MainWindowCaption(const std::string& fileTitle, const StartupModes& modes,
                              const std::string& dateTime = {});

// The date, two blanks and the time: "12/7/2026  1:05:09 PM".
std::string CaptionDateTime(const LocalDateTime& now);

}  // namespace tavrix
