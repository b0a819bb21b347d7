#include "platform/win32/help_viewer.h"

#include <shellapi.h>

#include "platform/help_pages.h"

namespace tavrix {

void OpenHelp(HWND owner, const std::string& helpFile, const std::string& keyword) {
  if (helpFile.empty()) return;
  if (GetFileAttributesA(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
    // WinHelp looks the keyword up in the file's index.
    if (keyword.empty())
      WinHelpA(owner, helpFile.c_str(), HELP_FINDER, 0);
    else
      WinHelpA(owner, helpFile.c_str(), HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword.c_str()));
    return;
  }
  const std::string page = HelpPagePath(helpFile, keyword);
  // ShellExecute answers a value above 32 when the browser was started.
  const auto started = reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (started > 32) return;
  const std::string text = "Cannot open the help page \"" + page + "\".";
  MessageBoxA(owner, text.c_str(), "Error", MB_OK | MB_ICONERROR);
}

}  // namespace tavrix
