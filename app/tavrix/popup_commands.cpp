// tavrix add --popup, menu, choose, topmenu and tray: popup-menu macros as
// "Build Macro Menu" makes them, the "Choose A Macro" window a menu shows,
// the choice a typed text makes there, the menu of the macros that fit the
// window in front, and the popup-menu tray icons of a file.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "activation/foreground_tracking.h"
#include "activation/popup_menu.h"
#include "activation/popup_menu_dialogs.h"
#include "app/tavrix/command.h"
#include "app/tavrix/desktop_options.h"
#include "app/tavrix/store_tool_support.h"
#include "base/hot_key_table.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_trace.h"

namespace tavrix::tool {

int RunAddPopup(const Arguments& args, std::ostream& out, std::ostream& err);

namespace {

// The Icons folder below a real folder.
class FolderIconFiles : public IconFiles {
 public:
  explicit FolderIconFiles(std::string programFolder) : folder_(IconsFolderOf(programFolder)) {}
  std::string Folder() const override { return folder_; }
  bool Exists(const std::string& path) override {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
  }
  bool CopyNew(const std::string& from, const std::string& to) override {
    std::error_code error;
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::skip_existing, error) && !error;
  }
  std::optional<std::string> ShortPath(const std::string& path) override {
    if (!Exists(path)) return std::nullopt;
    return path;
  }

 private:
  std::string folder_;
};

std::string FolderOf(const std::string& file) {
  const std::filesystem::path parent = std::filesystem::path(file).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

std::optional<int> WholeNumber(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const int value = std::stoi(text);
  if (value < low || value > high) return std::nullopt;
  return value;
}

// What menu, choose and topmenu share: the file, the screen, the icons.
struct ViewOptions {
  std::string file;
  int macro = 0;
  DesktopOptions desktop;
  std::optional<int> clickX;
  std::string programFolder;
  std::optional<std::string> typed;
  int style = 1;
};

// Reads the options; `needMacro` takes a macro number after FILE.
std::optional<std::string> ParseView(const Arguments& args, bool needMacro, ViewOptions& options) {
  std::size_t i = 0;
  if (args.empty() || args[0].rfind("--", 0) == 0) return "the macro file is missing";
  options.file = args[i++];
  if (needMacro) {
    const std::optional<int> n = i < args.size() ? WholeNumber(args[i], 1, kMaxMacros) : std::nullopt;
    if (!n) return "give the popup menu's macro number (1 to 500) after the file";
    options.macro = *n;
    ++i;
  }
  for (; i < args.size(); ++i) {
    std::string problem;
    if (TakeDesktopOption(args, i, options.desktop, problem)) {
      if (!problem.empty()) return problem;
      continue;
    }
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return option == "--click-x" || option == "--program-folder" || option == "--type" ||
                                             option == "--style"
                                         ? option + " needs a value"
                                         : "unknown option \"" + option + "\"";
    const std::string& value = args[++i];
    if (option == "--click-x") {
      options.clickX = WholeNumber(value, 0, 99999);
      if (!options.clickX) return "--click-x takes a number of pixels";
    } else if (option == "--program-folder") {
      options.programFolder = value;
    } else if (option == "--type") {
      options.typed = value;
    } else if (option == "--style") {
      const std::optional<int> style = WholeNumber(value, 1, 3);
      if (!style) return "--style takes 1, 2 or 3";
      options.style = *style;
    } else {
      return "unknown option \"" + option + "\"";
    }
  }
  if (auto problem = CheckDesktopOptions(options.desktop)) return problem;
  if (options.programFolder.empty()) options.programFolder = FolderOf(options.file);
  return std::nullopt;
}

void PrintChooseWindow(const TDoAMenu& form, std::ostream& out) {
  const ChooseLayout& layout = form.Layout();
  out << "client\t" << form.clientWidth << '\t' << form.clientHeight << '\n';
  out << "position\t" << form.position->left << '\t' << form.position->top << '\n';
  out << "lists\t" << (layout.lists > 0 ? layout.list1.height : 0) << '\t' << (layout.lists == 2 ? layout.list2.height : 0)
      << '\n';
  const PopupStyle style = form.Options().style;
  for (const ChooseEntry& entry : form.Entries()) {
    out << entry.label << '\t';
    if (style == PopupStyle::Icons)
      out << EscapeTraceText(entry.icon) << '\t' << EscapeTraceText(entry.hint);
    else if (style == PopupStyle::FirstPart)
      out << EscapeTraceText(entry.text);
    else
      out << EscapeTraceText(entry.text) << '\t' << EscapeTraceText(entry.scope);
    out << '\n';
  }
}

// Loads the file for viewing; false (told) when it cannot be read.
bool LoadToView(StoreSession& session, const std::string& file, std::ostream& err) {
  if (!session.file.LoadReadOnly(file)) {
    err << "tavrix: the macro file \"" << file << "\" could not be read\n";
    return false;
  }
  return true;
}

// The choose window of popup menu `options.macro`, or nothing (told).
std::optional<TDoAMenu> OpenMenu(StoreSession& session, const ViewOptions& options, IconFiles& icons,
                                 std::ostream& err) {
  const MacroIndex& index = session.index;
  MacroRecord menu;
  if (options.macro > index.Count() || index.table().Scope(options.macro) != kScopePopupMenu ||
      !session.file.ReadRecord(options.macro, menu)) {
    err << "tavrix: macro " << options.macro << " is not a popup menu of the file\n";
    return std::nullopt;
  }
  return std::optional<TDoAMenu>(std::in_place, BuildChooseEntries(menu, session.file, &icons),
                                 PopupOptions::Read(menu.WordletText()), options.desktop.screenWidth,
                                 options.desktop.screenHeight, options.clickX);
}

constexpr const char* kMenuUsage =
    "menu FILE N [--screen WxH] [--click-x X] [--program-folder DIR]   the \"Choose A Macro\" window of popup "
    "menu N: client size, position, list heights, then each entry";

int RunMenu(const Arguments& args, std::ostream& out, std::ostream& err) {
  ViewOptions options;
  if (const auto problem = ParseView(args, true, options); problem || options.typed) {
    err << "tavrix menu: " << (problem ? *problem : "unknown option \"--type\"") << "\n";
    return 1;
  }
  StoreSession session(err);
  if (!LoadToView(session, options.file, err)) return 1;
  FolderIconFiles icons(options.programFolder);
  const std::optional<TDoAMenu> form = OpenMenu(session, options, icons, err);
  if (!form) return 1;
  PrintChooseWindow(*form, out);
  return 0;
}

constexpr const char* kChooseUsage =
    "choose FILE N --type TEXT   types TEXT into popup menu N's window and prints the macro number chosen, or -1";

int RunChoose(const Arguments& args, std::ostream& out, std::ostream& err) {
  ViewOptions options;
  auto problem = ParseView(args, true, options);
  if (!problem && !options.typed) problem = "give the typed text with --type";
  if (problem) {
    err << "tavrix choose: " << *problem << "\n";
    return 1;
  }
  StoreSession session(err);
  if (!LoadToView(session, options.file, err)) return 1;
  FolderIconFiles icons(options.programFolder);
  std::optional<TDoAMenu> form = OpenMenu(session, options, icons, err);
  if (!form) return 1;
  for (const char typed : *options.typed) {
    form->TypedCharacter(typed);
    if (form->Closed()) break;
  }
  out << form->result << "\n";
  return 0;
}

constexpr const char* kTopMenuUsage =
    "topmenu FILE [--style 1|2|3] [--screen WxH] [--program-folder DIR] [[--hidden] --window \"TITLE=PROGRAM.EXE\"]...   "
    "the menu of the macros that fit the window in front, as menu prints it";

int RunTopMenu(const Arguments& args, std::ostream& out, std::ostream& err) {
  ViewOptions options;
  auto problem = ParseView(args, false, options);
  if (!problem && (options.typed || options.clickX)) problem = "topmenu takes neither --type nor --click-x";
  if (problem) {
    err << "tavrix topmenu: " << *problem << "\n";
    return 1;
  }
  StoreSession session(err);
  if (!LoadToView(session, options.file, err)) return 1;
  SimDesktop desktop;
  SetUpDesktop(desktop, options.desktop);
  const WindowId front = desktop.ForegroundWindow();
  const MacroRecord menu = BuildTopWindowMenu(session.index, front != 0 ? desktop.WindowTitle(front) : "",
                                              front != 0 ? ProgramOfWindow(desktop, front) : "", options.style);
  if (menu.PopupCount() == 0) {
    out << "message Warning: " << kNoTopWindowMacrosText << "\n";
    return 0;
  }
  FolderIconFiles icons(options.programFolder);
  const TDoAMenu form(BuildChooseEntries(menu, session.file, &icons), PopupOptions::Read(menu.WordletText()),
                      options.desktop.screenWidth, options.desktop.screenHeight, std::nullopt);
  PrintChooseWindow(form, out);
  return 0;
}

constexpr const char* kTrayUsage =
    "tray FILE [--program-folder DIR]   the popup-menu tray icons a load creates: number, icon, tool tip";

int RunTray(const Arguments& args, std::ostream& out, std::ostream& err) {
  ViewOptions options;
  auto problem = ParseView(args, false, options);
  if (!problem && (options.typed || options.clickX || !options.desktop.windows.empty()))
    problem = "tray takes only --program-folder";
  if (problem) {
    err << "tavrix tray: " << *problem << "\n";
    return 1;
  }
  StoreSession session(err);
  if (!LoadToView(session, options.file, err)) return 1;
  FolderIconFiles icons(options.programFolder);
  for (const PopupTrayIcon& icon : PopupTrayIcons(session.file, &icons))
    out << icon.macro << '\t' << EscapeTraceText(icon.icon) << '\t' << EscapeTraceText(icon.tooltip) << '\n';
  return 0;
}

struct AddPopupRequest {
  std::string file;
  std::optional<std::uint16_t> hotKey;
  std::string nickname;
  PopupOptions options;
  std::vector<int> entries;
  NetworkOptions network;
};

std::optional<std::string> ParseAddPopup(const Arguments& args, AddPopupRequest& request) {
  if (args.empty() || args[0].rfind("--", 0) == 0) return "the macro file is missing";
  request.file = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    std::string networkProblem;
    if (TakeNetworkOption(args, i, request.network, networkProblem)) {
      if (!networkProblem.empty()) return networkProblem;
      continue;
    }
    if (option == "--popup") continue;
    if (option == "--tray") {
      request.options.tray = true;
      continue;
    }
    if (i + 1 >= args.size()) return option + " needs a value";
    const std::string& value = args[++i];
    if (option == "--hotkey") {
      request.hotKey = FindHotKey(value);
      if (!request.hotKey) return "unknown hot key name \"" + value + "\" (names as in the hot key list, e.g. \"Ctrl+Alt+A\")";
    } else if (option == "--nickname") {
      if (value.size() > kNickNameCapacity) return "the nickname is longer than 50 characters";
      request.nickname = value;
    } else if (option == "--style") {
      const std::optional<int> style = WholeNumber(value, 1, 3);
      if (!style) return "--style takes 1, 2 or 3";
      request.options.style = static_cast<PopupStyle>(*style);
    } else if (option == "--icon-size") {
      const std::optional<int> size = WholeNumber(value, 0, 4);
      if (!size) return "--icon-size takes 0 to 4";
      request.options.sizeCode = static_cast<char>('0' + *size);
    } else if (option == "--entries") {
      std::string rest = value + ",";
      for (std::size_t at = 0; at < rest.size();) {
        const std::size_t comma = rest.find(',', at);
        const std::optional<int> n = WholeNumber(rest.substr(at, comma - at), 0, 99999);
        if (!n) return "--entries takes macro numbers separated by commas";
        request.entries.push_back(*n);
        at = comma + 1;
      }
    } else {
      return "unknown option \"" + option + "\"";
    }
  }
  if (!request.hotKey) return "a popup menu needs --hotkey";
  return std::nullopt;
}

}  // namespace

int RunAddPopup(const Arguments& args, std::ostream& out, std::ostream& err) {
  AddPopupRequest request;
  if (const auto problem = ParseAddPopup(args, request)) {
    err << "tavrix add: " << *problem << "\n";
    return 1;
  }
  StoreSession session(err);
  if (!session.StartNetwork(request.network, request.file)) return 1;
  if (!session.Load(request.file)) return 1;
  if (const std::string refusal = PopupMenuRefusal(session.index, *request.hotKey, request.entries); !refusal.empty()) {
    err << "tavrix add: " << refusal << "\n";
    return 1;
  }
  if (session.index.Count() >= kMaxMacros) {
    session.ui.ShowMessage("Error", "Maximum number of hot keys has been reached.  Add not allowed.");
    return 1;
  }
  SyncFileHold hold(session.listener);
  if (!hold.Taken()) return session.ExitCode(false);

  // What "Build Macro Menu" leaves in the record buffer for a new menu.
  MacroRecord record;
  record.SetActivation(*request.hotKey);
  record.SetNickName(request.nickname);
  record.SetIconName(kMenuIconName);
  record.SetScope(kScopePopupMenu);
  record.SetActive(1);
  record.SetWordletText(request.options.Text());
  record.SetPopupMenuList(std::vector<std::uint16_t>(request.entries.begin(), request.entries.end()));
  const int n = SaveNewPopupMenu(session.file, record);
  if (n == 0) return 1;
  hold.Changed();
  out << n << "\n";
  return 0;
}

TAVRIX_COMMAND("menu", kMenuUsage, RunMenu);
TAVRIX_COMMAND("choose", kChooseUsage, RunChoose);
TAVRIX_COMMAND("topmenu", kTopMenuUsage, RunTopMenu);
TAVRIX_COMMAND("tray", kTrayUsage, RunTray);

}  // namespace tavrix::tool
