// program_probe: looks at a running TAVRXP.EXE from outside, for the
// tests/e2e/program_*.sh cases. Each command waits for what it needs,
// bounded, and exits 0 on success, 1 on a timeout or mismatch, 2 on bad usage.
//
//   program_probe wait-window CLASS [MS]      a visible top-level window of CLASS exists
//   program_probe caption CLASS               print its caption
//   program_probe menu CLASS                  print its menu bar, one entry a line:
//                                             two blanks per level, the caption (or "-"
//                                             for a separator), then " [disabled]" and
//                                             " [checked]"
//   program_probe list CLASS                  print the rows of its list view, cells
//                                             separated by tabs
//   program_probe message-box TEXT [MS [ok|yes|no]]
//                                             wait for a message box showing TEXT, print
//                                             its title in brackets, then press the button
//                                             (ok when not named)
//   program_probe post CLASS MESSAGE [WPARAM [LPARAM]]
//                                             post the message to every top-level window
//                                             of CLASS
//   program_probe wait-gone CLASS [MS]        no window of CLASS is left
//   program_probe exists CLASS [MS]           a top-level window of CLASS exists, shown or not
//   program_probe handle CLASS [CHILD]        print the window's handle (or its first
//                                             CHILD's) as a decimal number
//   program_probe hold mutex|mapping NAME MS  keep a named kernel object of that kind for MS
//                                             (another program cannot then make one of the
//                                             other kind under the name); prints "ready"
//   program_probe ping CLASS [MS]             that window's thread has processed a message
//                                             (the program has reached its message loop)
//   program_probe wait-hidden CLASS [MS]      a window of CLASS exists and is hidden
//   program_probe column-edge CLASS COLUMN    print "X Y WIDTH": the screen point on the
//                                             right edge of that column (0 first) in the
//                                             header of the window's list view, and the
//                                             column's width
//   program_probe shot FILE                   the whole screen into FILE as a 24-bit BMP
//                                             (to look at what a user would see)
//   program_probe add-printer NAME PORT       install a PostScript printer NAME whose jobs go
//                                             to PORT (a file path) and make it the default
//   program_probe selected CLASS              print the row (1 first) selected in the window's
//                                             list view, 0 when none is
//   program_probe memo-text CLASS             print the text of the window's multi-line
//                                             edit, CR as "\r" and LF as "\n"
//   program_probe button-point CLASS TEXT [MS]
//                                             print "X Y": the screen point in the middle of
//                                             the window's visible button captioned TEXT
//                                             (with its "&"), once there is one
//   program_probe tray-icons [MS]             print "X Y" per icon of Wine's own system tray
//                                             window (the one it shows when no desktop
//                                             offers a tray), left to right: the screen
//                                             middle of the icon; waits for a first icon
//   program_probe grid-cell-point CLASS N ROW COLUMN
//                                             print "X Y": the screen point in the middle of
//                                             that cell of the N-th grid (0 first) of the
//                                             window, scrolled into view
//   program_probe grid-selected CLASS N       print "ROW COLUMN", the N-th grid's selected cell
//   program_probe hint-count CLASS            print how many hints (tooltip tools) the window has
//   program_probe hint-shown CLASS [MS]       print the hint of the window's tooltip once it
//                                             shows (the mouse resting on a control)
#include <windows.h>
#include <commctrl.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win32/grid_window.h"
#include "tests/e2e/tool_waits.h"
#include <vector>

namespace {

using e2e::findVisible;
using e2e::kDefaultTimeoutMs;
using e2e::timeoutArg;
using e2e::waitFor;

std::string textOf(HWND window) {
  char buffer[1024] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  return buffer;
}

HWND requireWindow(const char* windowClass) {
  const HWND window = findVisible(windowClass);
  if (window == nullptr) std::fprintf(stderr, "no visible window of class %s\n", windowClass);
  return window;
}

int waitWindow(const char* windowClass, DWORD timeoutMs) {
  if (waitFor([&] { return findVisible(windowClass) != nullptr; }, timeoutMs)) return 0;
  std::fprintf(stderr, "no visible window of class %s\n", windowClass);
  return 1;
}

int caption(const char* windowClass) {
  const HWND window = requireWindow(windowClass);
  if (window == nullptr) return 1;
  std::printf("%s\n", textOf(window).c_str());
  return 0;
}

// A menu can only be read inside its own process: program_probe_hook.dll,
// beside this program, is hooked into the window's thread and writes it out.
int menu(const char* windowClass) {
  const HWND window = requireWindow(windowClass);
  if (window == nullptr) return 1;
  char folder[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, folder, MAX_PATH);
  std::string library = folder;
  library = library.substr(0, library.find_last_of("\\/") + 1) + "program_probe_hook.dll";
  const HMODULE module = LoadLibraryA(library.c_str());
  auto procedure = module != nullptr
                       ? reinterpret_cast<HOOKPROC>(
                             reinterpret_cast<void*>(GetProcAddress(module, "ProbeGetMessage@12")))
                       : nullptr;
  if (procedure == nullptr && module != nullptr) {
    procedure = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, "ProbeGetMessage")));
  }
  if (procedure == nullptr) {
    std::fprintf(stderr, "cannot load %s\n", library.c_str());
    return 1;
  }
  const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, procedure, module, GetWindowThreadProcessId(window, nullptr));
  if (hook == nullptr) {
    std::fprintf(stderr, "cannot hook the window's thread\n");
    return 1;
  }
  char temporary[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temporary);
  char path[MAX_PATH] = {};
  GetTempFileNameA(temporary, "tvm", 0, path);
  DeleteFileA(path);
  const ATOM atom = GlobalAddAtomA(path);
  PostMessageA(window, RegisterWindowMessageA("TavrixProgramProbeMenu"), atom, 0);
  const bool written = waitFor([&] { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }, kDefaultTimeoutMs);
  UnhookWindowsHookEx(hook);
  GlobalDeleteAtom(atom);
  FILE* in = written ? std::fopen(path, "r") : nullptr;
  if (in == nullptr) {
    std::fprintf(stderr, "the window's menu was not written\n");
    return 1;
  }
  char line[600];
  bool any = false;
  while (std::fgets(line, sizeof line, in) != nullptr) {
    std::fputs(line, stdout);
    any = true;
  }
  std::fclose(in);
  DeleteFileA(path);
  if (!any) std::fprintf(stderr, "the window has no menu\n");
  return any ? 0 : 1;
}

// The list view belongs to another process: its item structure and text
// buffer must live in that process's memory.
int list(const char* windowClass) {
  const HWND window = requireWindow(windowClass);
  if (window == nullptr) return 1;
  const HWND view = FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr);
  if (view == nullptr) {
    std::fprintf(stderr, "no list view in the window\n");
    return 1;
  }
  DWORD processId = 0;
  GetWindowThreadProcessId(view, &processId);
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) {
    std::fprintf(stderr, "cannot open the program's process\n");
    return 1;
  }
  constexpr SIZE_T kTextSize = 512;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (remote == nullptr) {
    CloseHandle(process);
    std::fprintf(stderr, "cannot reach the program's memory\n");
    return 1;
  }
  HWND header = reinterpret_cast<HWND>(SendMessageA(view, LVM_GETHEADER, 0, 0));
  const int columns = header != nullptr ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  const int rows = static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0));
  int status = 0;
  for (int row = 0; row < rows && status == 0; ++row) {
    std::string line;
    for (int column = 0; column < columns; ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = remote + sizeof(LVITEMA);
      item.cchTextMax = kTextSize;
      char text[kTextSize] = {};
      if (!WriteProcessMemory(process, remote, &item, sizeof item, nullptr) ||
          SendMessageA(view, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote)) < 0 ||
          !ReadProcessMemory(process, remote + sizeof(LVITEMA), text, kTextSize - 1, nullptr)) {
        std::fprintf(stderr, "cannot read row %d\n", row);
        status = 1;
        break;
      }
      if (column > 0) line += '\t';
      line += text;
    }
    if (status == 0) std::printf("%s\n", line.c_str());
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return status;
}

struct BoxSearch {
  const char* text;
  HWND found;
};

BOOL CALLBACK findStaticText(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<BoxSearch*>(context);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") == 0 && textOf(child) == search->text) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK findMessageBox(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<BoxSearch*>(context);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  BoxSearch inner{search->text, nullptr};
  EnumChildWindows(window, findStaticText, reinterpret_cast<LPARAM>(&inner));
  if (inner.found == nullptr) return TRUE;
  search->found = window;
  return FALSE;
}

int messageBox(const char* text, DWORD timeoutMs, const std::string& button) {
  int buttonId = IDOK;
  if (button == "yes") buttonId = IDYES;
  else if (button == "no") buttonId = IDNO;
  else if (button != "ok") return 2;
  BoxSearch search{text, nullptr};
  const bool found = waitFor(
      [&] {
        search.found = nullptr;
        EnumWindows(findMessageBox, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeoutMs);
  if (!found) {
    std::fprintf(stderr, "no message box shows \"%s\"\n", text);
    return 1;
  }
  std::printf("[%s]\n", textOf(search.found).c_str());
  std::fflush(stdout);
  PostMessageA(search.found, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
  return 0;
}

struct PostTarget {
  const char* windowClass;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  int posted = 0;
};

BOOL CALLBACK postToClass(HWND window, LPARAM data) {
  auto& target = *reinterpret_cast<PostTarget*>(data);
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, target.windowClass) == 0 &&
      PostMessageA(window, target.message, target.wParam, target.lParam)) {
    ++target.posted;
  }
  return TRUE;
}

// Every top-level window of the class gets the message: the program's tray
// icons each have a window of one class, and each takes only its own id.
int post(const char* windowClass, int argc, char** argv) {
  PostTarget target{windowClass, static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                    argc > 4 ? static_cast<WPARAM>(std::strtoul(argv[4], nullptr, 0)) : 0,
                    argc > 5 ? static_cast<LPARAM>(std::strtoul(argv[5], nullptr, 0)) : 0};
  EnumWindows(postToClass, reinterpret_cast<LPARAM>(&target));
  if (target.posted == 0) {
    std::fprintf(stderr, "no window of class %s\n", windowClass);
    return 1;
  }
  return 0;
}

int waitGone(const char* windowClass, DWORD timeoutMs) {
  if (waitFor([&] { return FindWindowA(windowClass, nullptr) == nullptr; }, timeoutMs)) return 0;
  std::fprintf(stderr, "a window of class %s is still there\n", windowClass);
  return 1;
}

int exists(const char* windowClass, DWORD timeoutMs) {
  if (waitFor([&] { return FindWindowA(windowClass, nullptr) != nullptr; }, timeoutMs)) return 0;
  std::fprintf(stderr, "no window of class %s\n", windowClass);
  return 1;
}

int handle(const char* windowClass, const char* childClass) {
  HWND window = requireWindow(windowClass);
  if (window != nullptr && childClass != nullptr) window = FindWindowExA(window, nullptr, childClass, nullptr);
  if (window == nullptr) return 1;
  std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
  return 0;
}

int memoText(const char* windowClass) {
  const HWND window = requireWindow(windowClass);
  if (window == nullptr) return 1;
  HWND edit = nullptr;
  while ((edit = FindWindowExA(window, edit, "Edit", nullptr)) != nullptr) {
    if ((GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) != 0) break;
  }
  if (edit == nullptr) {
    std::fprintf(stderr, "no multi-line edit in the window\n");
    return 1;
  }
  std::string shown;
  for (const char c : textOf(edit)) shown += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  std::printf("%s\n", shown.c_str());
  return 0;
}

int hold(const std::string& kind, const char* name, DWORD ms) {
  HANDLE object = nullptr;
  if (kind == "mutex") object = CreateMutexA(nullptr, FALSE, name);
  else if (kind == "mapping") object = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 16, name);
  else return 2;
  if (object == nullptr) {
    std::fprintf(stderr, "cannot create the %s %s\n", kind.c_str(), name);
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  Sleep(ms);
  CloseHandle(object);
  return 0;
}

int shot(const char* path) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + rowBytes * static_cast<DWORD>(height);
  int status = 1;
  if (FILE* out = std::fopen(path, "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(bits, rowBytes, static_cast<std::size_t>(height), out);
    status = std::fclose(out) == 0 ? 0 : 1;
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return status;
}

int ping(const char* windowClass, DWORD timeoutMs) {
  const bool answered = waitFor(
      [&] {
        const HWND window = FindWindowA(windowClass, nullptr);
        DWORD_PTR result = 0;
        return window != nullptr &&
               SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
      },
      timeoutMs);
  if (answered) return 0;
  std::fprintf(stderr, "no window of class %s answers\n", windowClass);
  return 1;
}

int waitHidden(const char* windowClass, DWORD timeoutMs) {
  const bool hidden = waitFor(
      [&] {
        const HWND window = FindWindowA(windowClass, nullptr);
        return window != nullptr && !IsWindowVisible(window);
      },
      timeoutMs);
  if (hidden) return 0;
  std::fprintf(stderr, "no hidden window of class %s\n", windowClass);
  return 1;
}

int columnEdge(const char* windowClass, int column) {
  const HWND window = requireWindow(windowClass);
  const HWND list = window != nullptr ? FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr) : nullptr;
  const HWND header = list != nullptr ? reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)) : nullptr;
  if (header == nullptr) {
    std::fprintf(stderr, "the window of class %s has no list header\n", windowClass);
    return 1;
  }
  RECT rect{};
  GetWindowRect(header, &rect);
  int right = rect.left;
  int width = 0;
  for (int k = 0; k <= column; ++k) {
    width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(k), 0));
    right += width;
  }
  std::printf("%d %d %d\n", right, static_cast<int>((rect.top + rect.bottom) / 2), width);
  return 0;
}

int addPrinter(const char* name, const char* port) {
  char driverName[] = "Wine PostScript Driver";
  char environment[] = "Windows NT x86";
  char driverFile[] = "wineps.drv";
  DRIVER_INFO_3A driver{};
  driver.cVersion = 3;
  driver.pName = driverName;
  driver.pEnvironment = environment;
  driver.pDriverPath = driverFile;
  driver.pDataFile = driverFile;
  driver.pConfigFile = driverFile;
  if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&driver)) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    std::fprintf(stderr, "AddPrinterDriver failed: %lu\n", GetLastError());
  }
  char processor[] = "WinPrint";
  char datatype[] = "RAW";
  PRINTER_INFO_2A printer{};
  printer.pPrinterName = const_cast<char*>(name);
  printer.pPortName = const_cast<char*>(port);
  printer.pDriverName = driverName;
  printer.pPrintProcessor = processor;
  printer.pDatatype = datatype;
  printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  if (added == nullptr) {
    std::fprintf(stderr, "AddPrinter failed: %lu\n", GetLastError());
    return 1;
  }
  ClosePrinter(added);
  if (!SetDefaultPrinterA(name)) std::fprintf(stderr, "SetDefaultPrinter failed: %lu\n", GetLastError());
  return 0;
}

int selectedRow(const char* windowClass) {
  const HWND window = requireWindow(windowClass);
  const HWND list = window != nullptr ? FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr) : nullptr;
  if (list == nullptr) {
    std::fprintf(stderr, "no list view in the window\n");
    return 1;
  }
  const int row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  std::printf("%d\n", row + 1);
  return 0;
}

HWND buttonOf(HWND window, const char* text) {
  for (HWND child = FindWindowExA(window, nullptr, "Button", nullptr); child != nullptr;
       child = FindWindowExA(window, child, "Button", nullptr)) {
    if (IsWindowVisible(child) && textOf(child) == text) return child;
  }
  return nullptr;
}

int buttonPoint(const char* windowClass, const char* text, DWORD timeoutMs) {
  HWND button = nullptr;
  waitFor(
      [&] {
        const HWND window = findVisible(windowClass);
        button = window != nullptr ? buttonOf(window, text) : nullptr;
        return button != nullptr;
      },
      timeoutMs);
  if (button == nullptr) {
    std::fprintf(stderr, "no visible window of class %s with a button \"%s\"\n", windowClass, text);
    return 1;
  }
  RECT rect{};
  GetWindowRect(button, &rect);
  std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  return 0;
}

// The screen point in the middle of item ITEM of the N-th list box (from 0,
// in creation order) of the window in front of that class.
int listItemPoint(const char* windowClass, int n, int item) {
  const HWND window = requireWindow(windowClass);
  if (window == nullptr) return 1;
  HWND list = nullptr;
  for (HWND child = FindWindowExA(window, nullptr, "ListBox", nullptr); child != nullptr;
       child = FindWindowExA(window, child, "ListBox", nullptr)) {
    if (n-- == 0) {
      list = child;
      break;
    }
  }
  RECT rect{};
  if (list == nullptr || SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
    std::fprintf(stderr, "no such list box item in the window of class %s\n", windowClass);
    return 1;
  }
  POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ClientToScreen(list, &middle);
  std::printf("%ld %ld\n", middle.x, middle.y);
  return 0;
}

// Without a desktop tray Wine shows the icons in a tray window of its own,
// one child window per icon.
int trayIcons(DWORD timeoutMs) {
  HWND tray = nullptr;
  waitFor(
      [&] {
        tray = FindWindowA("__winex11_standalone_tray", nullptr);
        return tray != nullptr && FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr) != nullptr;
      },
      timeoutMs);
  std::vector<POINT> icons;
  for (HWND icon = tray != nullptr ? FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr) : nullptr;
       icon != nullptr; icon = FindWindowExA(tray, icon, "__winex11_tray_icon", nullptr)) {
    if (!IsWindowVisible(icon)) continue;
    RECT rect{};
    GetWindowRect(icon, &rect);
    icons.push_back({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  }
  if (icons.empty()) {
    std::fprintf(stderr, "no icon in Wine's system tray window\n");
    return 1;
  }
  std::sort(icons.begin(), icons.end(), [](const POINT& a, const POINT& b) { return a.x < b.x; });
  for (const POINT& at : icons) std::printf("%ld %ld\n", at.x, at.y);
  return 0;
}

// The N-th grid (from 0, in creation order) of the window in front of that class.
HWND gridOf(const char* windowClass, int n) {
  const HWND window = requireWindow(windowClass);
  if (window == nullptr) return nullptr;
  for (HWND child = FindWindowExA(window, nullptr, tavrix::kGridClassName, nullptr); child != nullptr;
       child = FindWindowExA(window, child, tavrix::kGridClassName, nullptr)) {
    if (n-- == 0) return child;
  }
  std::fprintf(stderr, "no such grid in the window of class %s\n", windowClass);
  return nullptr;
}

int gridCellPoint(const char* windowClass, int n, int row, int column) {
  const HWND grid = gridOf(windowClass, n);
  if (grid == nullptr) return 1;
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutA(grid, tavrix::kGridCellPoint, static_cast<WPARAM>(row), static_cast<LPARAM>(column),
                          SMTO_ABORTIFHUNG, 5000, &answer) == 0 ||
      static_cast<LRESULT>(answer) == -1) {
    std::fprintf(stderr, "the grid has no cell %d,%d\n", row, column);
    return 1;
  }
  POINT middle{static_cast<short>(LOWORD(answer)), static_cast<short>(HIWORD(answer))};
  ClientToScreen(grid, &middle);
  std::printf("%ld %ld\n", middle.x, middle.y);
  return 0;
}

int gridSelected(const char* windowClass, int n) {
  const HWND grid = gridOf(windowClass, n);
  DWORD_PTR answer = 0;
  if (grid == nullptr ||
      SendMessageTimeoutA(grid, tavrix::kGridSelectedCell, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) == 0)
    return 1;
  std::printf("%d %d\n", static_cast<int>(LOWORD(answer)), static_cast<int>(HIWORD(answer)));
  return 0;
}

struct HintSearch {
  HWND owner;
  int tools;
};

BOOL CALLBACK countHints(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<HintSearch*>(context);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == search->owner)
    search->tools += static_cast<int>(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
  return TRUE;
}

int hintCount(const char* windowClass) {
  const HWND window = requireWindow(windowClass);
  if (window == nullptr) return 1;
  HintSearch search{window, 0};
  EnumWindows(countHints, reinterpret_cast<LPARAM>(&search));
  std::printf("%d\n", search.tools);
  return 0;
}

struct ShownHint {
  HWND owner;
  HWND tooltip;
};

BOOL CALLBACK findShownHint(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ShownHint*>(context);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != search->owner ||
      !IsWindowVisible(window))
    return TRUE;
  search->tooltip = window;
  return FALSE;
}

// The tooltip belongs to another process: the tool structure and its text
// buffer must live in that process's memory.
int hintShown(const char* windowClass, DWORD timeoutMs) {
  const HWND window = requireWindow(windowClass);
  if (window == nullptr) return 1;
  ShownHint search{window, nullptr};
  waitFor(
      [&] {
        EnumWindows(findShownHint, reinterpret_cast<LPARAM>(&search));
        return search.tooltip != nullptr;
      },
      timeoutMs);
  if (search.tooltip == nullptr) {
    std::fprintf(stderr, "no hint shows over the window of class %s\n", windowClass);
    return 1;
  }
  DWORD processId = 0;
  GetWindowThreadProcessId(search.tooltip, &processId);
  const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  constexpr SIZE_T kTextSize = 512;
  auto* remote = process != nullptr ? static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(TTTOOLINFOA) + kTextSize,
                                                                         MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
                                    : nullptr;
  char text[kTextSize] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.lpszText = remote + sizeof(TTTOOLINFOA);
  const bool read = remote != nullptr && WriteProcessMemory(process, remote, &tool, sizeof tool, nullptr) &&
                    SendMessageA(search.tooltip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(remote)) != 0 &&
                    ReadProcessMemory(process, remote + sizeof(TTTOOLINFOA), text, kTextSize - 1, nullptr);
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  if (process != nullptr) CloseHandle(process);
  if (!read) {
    std::fprintf(stderr, "cannot read the hint\n");
    return 1;
  }
  std::printf("%s\n", text);
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: program_probe wait-window CLASS [MS] | caption CLASS | menu CLASS | list CLASS"
               " | message-box TEXT [MS [ok|yes|no]] | post CLASS MESSAGE [WPARAM [LPARAM]] | wait-gone CLASS [MS]"
               " | exists CLASS [MS] | handle CLASS [CHILD] | hold mutex|mapping NAME MS | ping CLASS [MS] | wait-hidden CLASS [MS]"
               " | column-edge CLASS COLUMN | selected CLASS | button-point CLASS TEXT [MS]"
               " | list-item-point CLASS N ITEM | tray-icons [MS]"
               " | grid-cell-point CLASS N ROW COLUMN | grid-selected CLASS N"
               " | hint-count CLASS | hint-shown CLASS [MS]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string(argv[1]) == "tray-icons") return trayIcons(timeoutArg(argc, argv, 2));
  if (argc < 3) return usage();
  const std::string command = argv[1];
  if (command == "wait-window") return waitWindow(argv[2], timeoutArg(argc, argv, 3));
  if (command == "caption") return caption(argv[2]);
  if (command == "menu") return menu(argv[2]);
  if (command == "list") return list(argv[2]);
  if (command == "message-box") return messageBox(argv[2], timeoutArg(argc, argv, 3), argc > 4 ? argv[4] : "ok");
  if (command == "post" && argc >= 4) return post(argv[2], argc, argv);
  if (command == "wait-gone") return waitGone(argv[2], timeoutArg(argc, argv, 3));
  if (command == "exists") return exists(argv[2], timeoutArg(argc, argv, 3));
  if (command == "handle") return handle(argv[2], argc > 3 ? argv[3] : nullptr);
  if (command == "hold" && argc >= 5) return hold(argv[2], argv[3], timeoutArg(argc, argv, 4));
  if (command == "shot") return shot(argv[2]);
  if (command == "ping") return ping(argv[2], timeoutArg(argc, argv, 3));
  if (command == "wait-hidden") return waitHidden(argv[2], timeoutArg(argc, argv, 3));
  if (command == "column-edge" && argc >= 4) return columnEdge(argv[2], std::atoi(argv[3]));
  if (command == "selected") return selectedRow(argv[2]);
  if (command == "add-printer" && argc >= 4) return addPrinter(argv[2], argv[3]);
  if (command == "memo-text") return memoText(argv[2]);
  if (command == "button-point" && argc >= 4) return buttonPoint(argv[2], argv[3], timeoutArg(argc, argv, 4));
  if (command == "list-item-point" && argc >= 5) return listItemPoint(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
  if (command == "grid-cell-point" && argc >= 6)
    return gridCellPoint(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
  if (command == "grid-selected" && argc >= 4) return gridSelected(argv[2], std::atoi(argv[3]));
  if (command == "hint-count") return hintCount(argv[2]);
  if (command == "hint-shown") return hintShown(argv[2], timeoutArg(argc, argv, 3));
  return usage();
}
