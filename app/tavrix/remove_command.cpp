// tavrix remove: removes one macro as the program's "Remove Macro" does (popup
// menus renumbered, the key-swap state rebuilt), answering its questions
// with --yes or No.
#include <array>
#include <charconv>
#include <ostream>
#include <string>

#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"
#include "store/file_commands.h"
#include "store/key_swap_file.h"

namespace tavrix::tool {
namespace {

constexpr const char* kUsage =
    "remove FILE N [--yes]   remove macro N as \"Remove Macro\" does; its questions are answered Yes with --yes, "
    "otherwise No; prints nothing";

int RunRemove(const Arguments& args, std::ostream&, std::ostream& err) {
  std::vector<std::string> positional;
  bool yes = false;
  for (const std::string& argument : args) {
    if (argument == "--yes") {
      yes = true;
    } else if (argument.rfind("--", 0) == 0) {
      err << "tavrix remove: unknown option \"" << argument << "\"\n";
      return 1;
    } else {
      positional.push_back(argument);
    }
  }
  int n = 0;
  const std::string* number = positional.size() == 2 ? &positional[1] : nullptr;
  if (number == nullptr ||
      std::from_chars(number->data(), number->data() + number->size(), n).ptr != number->data() + number->size()) {
    err << "usage: tavrix " << kUsage << "\n";
    return 1;
  }

  StoreSession session(err);
  session.ui.AnswerYes(yes);
  if (!session.Load(positional[0])) return 1;
  if (n >= 1 && n <= session.index.Count() && session.index.table().Scope(n) == kScopeSystem) {
    // The program offers no removal for a SYSTEM macro.
    session.ui.ShowMessage("Error", "A SYSTEM macro cannot be removed.");
    return 1;
  }
  FileCommandListener listener;
  std::array<std::uint8_t, kSwapTablesSize> swapTables{};
  MacroFileCommands commands(session.file, session.ui, listener, swapTables);
  return commands.DoClear(n) && session.ui.ErrorCount() == 0 ? 0 : 1;
}

}  // namespace

TAVRIX_COMMAND("remove", kUsage, RunRemove);

}  // namespace tavrix::tool
