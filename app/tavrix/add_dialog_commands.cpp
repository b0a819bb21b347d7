// tavrix add-dialog, keylist and system-keys: the main window's "&Add Macro"
// with "Add Macro" answered from the arguments (the tool it hands over to is
// named, not run), the hot key list with its usage, and "System Hot Keys" as
// "Rename Macro" on a SYSTEM macro opens it. Boxes and questions go to the
// error stream; a refusal exits 1 and leaves the file as it was.
#include <charconv>
#include <ostream>
#include <string>

#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"
#include "base/hot_key_table.h"
#include "editing/add_macro_dialog.h"
#include "editing/direct_editor.h"
#include "platform/sim/sim_desktop.h"
#include "editing/system_keys_dialog.h"

namespace tavrix::tool {
namespace {

int Usage(std::ostream& err, const std::string& usage, const std::string& problem) {
  err << "tavrix: " << problem << "\nusage: tavrix " << usage << "\n";
  return 1;
}


// --- add-dialog -----------------------------------------------------------------------

constexpr const char* kAddUsage =
    "add-dialog FILE --mode hotkeys|wordlets|timed|popup [--hotkey NAME] [--wordlet TEXT] (--capture | --script | "
    "--direct | --build-menu) [--yes] [--nickname NAME] [--scope global|window:TITLE|program:NAME] [--text TEXT | "
    "--text-file PATH]   \"Add Macro\": print what it hands over to the tool (--direct with a text: Modify Hot Key "
    "updates the new macro, which is appended)";

const char* ToolName(AddTool tool) {
  switch (tool) {
    case AddTool::Capture: return "capture";
    case AddTool::Script: return "script";
    case AddTool::Direct: return "direct";
    case AddTool::Menu: return "menu";
    case AddTool::None: break;
  }
  return "";
}

// Without the system's file checks every path is missing.
class NoFileChecks : public FileChecks {
 public:
  bool FileExists(const std::string&) override { return false; }
  bool FolderExists(const std::string&) override { return false; }
  std::optional<std::string> ShortPath(const std::string&) override { return std::nullopt; }
};

// Prints the hand-over instead of opening the tool; nothing is stored,
// except that "Enter Directly" given a text runs "Modify Hot Key" on the new
// macro and presses "&Update".
class PrintedHandOver : public AddMacroTools {
 public:
  PrintedHandOver(std::ostream& out, Ui& ui, std::optional<DirectEntry> direct, std::string scopeName,
                  LocalDateTime now)
      : out_(out), ui_(ui), direct_(std::move(direct)), scopeName_(std::move(scopeName)), now_(now) {}
  AddToolResult HandOver(const AddHandOver& h, MacroRecord& record) override {
    out_ << "macro=" << h.macroNumber << "\n" << "tool=" << ToolName(h.tool) << "\n" << "Activation=" << h.activation << "\n";
    if (h.activation == kWordletActivation) out_ << "WordletText=" << h.wordletText << "\n";
    if (h.tool != AddTool::Menu) out_ << "global=" << (h.global ? 1 : 0) << "\n";
    if (h.tool == AddTool::Script || h.tool == AddTool::Direct) out_ << "type=" << h.type << "\n";
    if (h.tool != AddTool::Direct || !direct_) return {};
    SimDesktop desktop;
    desktop.SetClock(now_);  // the date the new macro and its schedule start from
    NoFileChecks files;
    TModHotKeys form(ui_, desktop, files, record);
    form.editingExisting = false;
    form.activationKind = h.type;
    form.globalNotAllowed = h.global;
    form.hotKeyLabel.text = h.hotKeyName;
    form.FormShow({});
    record.SetScopeName(scopeName_);
    const FormReply reply = EnterAndUpdate(form, *direct_);
    if (reply.kind == FormReply::Kind::Refuse) ui_.ShowMessage(reply.caption, reply.message);
    return {form.saved, false};
  }

 private:
  std::ostream& out_;
  Ui& ui_;
  std::optional<DirectEntry> direct_;
  std::string scopeName_;
  LocalDateTime now_;
};

// "global", "window:TITLE" or "program:NAME": the radio (1, 2, 3) and the title or name.
std::optional<std::pair<int, std::string>> ParseScope(const std::string& text) {
  if (text == "global") return std::pair(1, std::string());
  if (text.rfind("window:", 0) == 0) return std::pair(2, text.substr(7));
  if (text.rfind("program:", 0) == 0) return std::pair(3, text.substr(8));
  return std::nullopt;
}

int RunAddDialog(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::string path, mode, wordlet;
  std::optional<std::uint16_t> hotKey;
  std::string button;
  bool yes = false;
  std::string nickName;
  std::optional<std::pair<int, std::string>> scope;
  std::optional<std::string> text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--mode" || a == "--hotkey" || a == "--wordlet" || a == "--nickname" ||
                            a == "--scope" || a == "--text" || a == "--text-file";
    if (takesValue && i + 1 >= args.size()) return Usage(err, kAddUsage, a + " needs a value");
    if (a == "--mode") {
      mode = args[++i];
    } else if (a == "--hotkey") {
      hotKey = FindHotKey(args[++i]);
      if (!hotKey) return Usage(err, kAddUsage, "unknown hot key name \"" + args[i] + "\"");
    } else if (a == "--wordlet") {
      wordlet = args[++i];
    } else if (a == "--capture" || a == "--script" || a == "--direct" || a == "--build-menu") {
      if (!button.empty()) return Usage(err, kAddUsage, "give exactly one of --capture, --script, --direct and --build-menu");
      button = a;
    } else if (a == "--yes") {
      yes = true;
    } else if (a == "--nickname") {
      nickName = args[++i];
    } else if (a == "--scope") {
      scope = ParseScope(args[++i]);
      if (!scope) return Usage(err, kAddUsage, "--scope takes global, window:TITLE or program:NAME");
    } else if (a == "--text" || a == "--text-file") {
      if (text) return Usage(err, kAddUsage, "give the text once");
      text = a == "--text" ? std::optional<std::string>(args[++i]) : ReadTextFile(args[++i]);
      if (!text) return Usage(err, kAddUsage, "cannot read \"" + args[i] + "\"");
    } else if (a.rfind("--", 0) == 0 || !path.empty()) {
      return Usage(err, kAddUsage, "unknown argument \"" + a + "\"");
    } else {
      path = a;
    }
  }
  const std::map<std::string, const char*> radios{
      {"hotkeys", "HotKeysRadio"}, {"wordlets", "WordletsRadio"}, {"timed", "TimedRadio"}, {"popup", "PopupRadio"}};
  if (path.empty()) return Usage(err, kAddUsage, "FILE is needed");
  if (radios.count(mode) == 0) return Usage(err, kAddUsage, "--mode takes hotkeys, wordlets, timed or popup");
  if (button.empty()) return Usage(err, kAddUsage, "give one of --capture, --script, --direct and --build-menu");

  StoreSession session(err);
  session.ui.AnswerYes(yes);
  if (!session.Load(path)) return 1;
  if ((text || scope || !nickName.empty()) && button != "--direct")
    return Usage(err, kAddUsage, "--nickname, --scope and the text go with --direct");
  std::optional<DirectEntry> direct;
  if (text) direct = DirectEntry{nickName, scope ? scope->first : 1, *text};
  PrintedHandOver tools(out, session.ui, direct, scope ? scope->second : std::string(), session.Now());
  AddMacroCommand command(session.file, session.ui, session.listener, tools);
  bool buttonMissing = false;
  session.ui.AnswerForms([&](Form& form) {
    auto& dialog = dynamic_cast<TAddNewHotKey&>(form);
    dialog.FormShow(nullptr);
    dialog.Click(*dialog.Find(radios.at(mode)));
    if (hotKey) dialog.HotKeyPressed(dialog.hotKeyEntry, *hotKey);
    dialog.wordletName.text = wordlet;
    const bool popup = mode == "popup";
    Button* pressed = button == "--capture"  ? &dialog.captureButton
                      : button == "--script" ? &dialog.scriptButton
                      : (button == "--build-menu") == popup ? &dialog.thirdButton
                                                            : nullptr;
    if (pressed == nullptr || !pressed->enabled) {
      buttonMissing = true;
      return;
    }
    session.ui.Click(dialog, *pressed);
  });
  const bool appended = command.DoAdd();
  if (buttonMissing) {
    err << "tavrix: " << button << ": the button is not enabled in " << mode << " mode\n";
    return 1;
  }
  if (command.LastHandOver().tool == AddTool::None) return 1;
  if (!direct) return 0;
  if (!appended) return 1;
  out << "saved=1\n";
  return 0;
}

// --- keylist ------------------------------------------------------------------------------

constexpr const char* kKeyListUsage = "keylist FILE   the 720 hot keys with the number of macros on each";

int RunKeyList(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return Usage(err, kKeyListUsage, "FILE is needed");
  StoreSession session(err);
  if (!session.file.LoadReadOnly(args[0]) || session.ui.ErrorCount() > 0) {
    if (session.ui.ErrorCount() == 0) session.ui.ShowMessage("Error", "File does not exist.");
    return 1;
  }
  for (const std::string& row : HotKeyUsageRows(session.index)) out << row << "\n";
  return 0;
}

// --- system-keys ----------------------------------------------------------------------------

constexpr const char* kSystemKeysUsage =
    "system-keys FILE [--press D=NAME]...   \"System Hot Keys\": press hot key NAME in the field of "
    "system activation D (1-4), then Ok";

struct Press {
  int digit;
  std::uint16_t code;
};

// "Rename Macro" on a SYSTEM macro opens the dialog, answered by the presses.
class SystemKeysListener : public ToolListener {
 public:
  SystemKeysListener(NetworkLock& lock, MacroFile& file, ConsoleUi& ui, std::vector<Press> presses, int style)
      : ToolListener(lock), file_(file), ui_(ui), presses_(std::move(presses)), style_(style) {}
  bool OpenSystemKeys(int digit) override {
    TSystemKeys dialog(file_, digit, style_);
    ui_.AnswerForms([&](Form&) {
      dialog.FormShow(nullptr);
      for (const Press& p : presses_) {
        const FormReply reply = dialog.HotKeyPressed(dialog.Field(p.digit), p.code);
        if (reply.kind == FormReply::Kind::Refuse) ui_.ShowMessage(reply.caption, reply.message);
      }
      ui_.Click(dialog, dialog.okButton);
    });
    accepted = ui_.RunForm(dialog) == ModalResult::Ok;
    return dialog.changed;
  }
  bool accepted = false;

 private:
  MacroFile& file_;
  ConsoleUi& ui_;
  std::vector<Press> presses_;
  int style_;
};

int RunSystemKeys(const Arguments& args, std::ostream&, std::ostream& err) {
  std::string path;
  std::vector<Press> presses;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--press") {
      if (i + 1 >= args.size()) return Usage(err, kSystemKeysUsage, a + " needs a value");
      const std::string value = args[++i];
      const std::optional<std::uint16_t> code =
          value.size() > 2 && value[1] == '=' ? FindHotKey(value.substr(2)) : std::nullopt;
      if (value.size() < 2 || value[0] < '1' || value[0] > '4' || value[1] != '=')
        return Usage(err, kSystemKeysUsage, "--press takes D=NAME with D from 1 to 4");
      if (!code) return Usage(err, kSystemKeysUsage, "unknown hot key name \"" + value.substr(2) + "\"");
      presses.push_back({value[0] - '0', *code});
    } else if (a.rfind("--", 0) == 0 || !path.empty()) {
      return Usage(err, kSystemKeysUsage, "unknown argument \"" + a + "\"");
    } else {
      path = a;
    }
  }
  if (path.empty()) return Usage(err, kSystemKeysUsage, "FILE is needed");
  StoreSession session(err);
  if (!session.Load(path)) return 1;
  int first = 0;
  for (int n = 1; n <= session.index.Count() && first == 0; ++n)
    if (session.index.table().Scope(n) == kScopeSystem) first = n;
  if (first == 0) {
    session.ui.ShowMessage("Error", "The file holds no SYSTEM macro.");
    return 1;
  }
  // The tool has no configuration: the menu style starts as the program's default.
  SystemKeysListener listener(session.lock, session.file, session.ui, presses, 1);
  TransferCommands transfer(session.file, session.ui, listener, [&session] { return session.Now(); });
  transfer.DoMove(first);
  return listener.accepted ? 0 : 1;
}

}  // namespace

TAVRIX_COMMAND("add-dialog", kAddUsage, RunAddDialog);
TAVRIX_COMMAND("keylist", kKeyListUsage, RunKeyList);
TAVRIX_COMMAND("system-keys", kSystemKeysUsage, RunSystemKeys);

}  // namespace tavrix::tool
