// The part of program_probe that runs inside TAVRXP.EXE: a menu belongs to
// its own process, so the probe hooks the program's thread with this library
// and asks it, by a registered message, to write the menu bar into a file.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void writeMenu(FILE* out, HMENU menu, int depth) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[512] = {};
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item)) continue;
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    if (item.fType & MFT_SEPARATOR) {
      line += "-";
    } else {
      line += text;
      if (item.fState & MFS_DISABLED) line += " [disabled]";
      if (item.fState & MFS_CHECKED) line += " [checked]";
    }
    std::fprintf(out, "%s\n", line.c_str());
    if (item.hSubMenu != nullptr) writeMenu(out, item.hSubMenu, depth + 1);
  }
}

}  // namespace

// wParam of the request: a global atom naming the file to write.
extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeGetMessage(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT request = RegisterWindowMessageA("TavrixProgramProbeMenu");
  MSG* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && message->message == request) {
    char path[MAX_PATH] = {};
    GlobalGetAtomNameA(static_cast<ATOM>(message->wParam), path, MAX_PATH);
    char partial[MAX_PATH + 8];
    std::snprintf(partial, sizeof partial, "%s.part", path);
    if (FILE* out = std::fopen(partial, "w")) {
      const HMENU bar = GetMenu(message->hwnd);
      if (bar != nullptr) writeMenu(out, bar, 0);
      std::fclose(out);
      MoveFileExA(partial, path, MOVEFILE_REPLACE_EXISTING);
    }
    message->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
