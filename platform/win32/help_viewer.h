// Opening the program's help at a keyword: the WinHelp file when the user
// has one in the program folder, else the keyword's web page in the user's
// browser (platform/help_pages.h names the pages).
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace tavrix {

// Opens the help at `keyword` (empty: its contents) for the window `owner`;
// `helpFile` is the WinHelp file's path. A page that cannot be opened is
// told in a message box.
void OpenHelp(HWND owner, const std::string& helpFile, const std::string& keyword);

}  // namespace tavrix
