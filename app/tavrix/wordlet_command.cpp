// tavrix wordlet: feeds typed characters through the Wordlet logic with the
// given options on a simulated desktop and prints each macro played with the
// backspaces that erased its abbreviation.
#include <ostream>
#include <string>

#include "activation/activation_dispatcher.h"
#include "activation/wordlets.h"
#include "app/tavrix/command.h"
#include "app/tavrix/desktop_options.h"
#include "app/tavrix/store_tool_support.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "playback/desktop_playback_commands.h"
#include "playback/player.h"
#include "playback/player_host.h"

namespace tavrix::tool {
namespace {

constexpr const char* kUsage =
    "wordlet FILE [--case-insensitive] [--suffix] [--prefix KEYS] [--solitary] [--window \"TITLE=PROGRAM.EXE\"]... "
    "--type TEXT   type TEXT (\\b a backspace) and print \"play N backspaces B\" for each macro played";

class QuietHost : public ActivationHost {
 public:
  void ActivateMe() override {}
  void StartClearTimer() override {}
};

std::string Unescaped(const std::string& text) {
  std::string typed;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'b') {
      typed += '\b';
      ++i;
    } else {
      typed += text[i];
    }
  }
  return typed;
}

int RunWordlet(const Arguments& args, std::ostream& out, std::ostream& err) {
  WordletOptions options;
  DesktopOptions desktopOptions;
  std::string file;
  std::optional<std::string> text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string error;
    if (TakeDesktopOption(args, i, desktopOptions, error)) {
      if (!error.empty()) {
        err << "tavrix wordlet: " << error << "\n";
        return 1;
      }
      continue;
    }
    const std::string& option = args[i];
    if (option == "--case-insensitive") {
      options.caseSensitive = false;
    } else if (option == "--suffix") {
      options.useSuffix = true;
    } else if (option == "--solitary") {
      options.solitary = true;
    } else if (option == "--prefix" || option == "--type") {
      if (i + 1 >= args.size()) {
        err << "tavrix wordlet: " << option << " needs a value\n";
        return 1;
      }
      if (option == "--type") {
        text = Unescaped(args[++i]);
      } else {
        options.prefixKeys = args[++i];
        if (!IsValidPrefixKeys(options.prefixKeys)) {
          err << "tavrix wordlet: the prefix keys are at most 2 characters of the Wordlet set\n";
          return 1;
        }
      }
    } else if (option.rfind("--", 0) == 0 || !file.empty()) {
      err << "tavrix wordlet: unknown argument \"" << option << "\"\n";
      return 1;
    } else {
      file = option;
    }
  }
  if (const auto problem = CheckDesktopOptions(desktopOptions)) {
    err << "tavrix wordlet: " << *problem << "\n";
    return 1;
  }
  if (file.empty() || !text) {
    err << "usage: tavrix " << kUsage << "\n";
    return 1;
  }
  StoreSession session(err);
  if (!session.file.LoadReadOnly(file)) {
    err << "tavrix wordlet: cannot read the macro file \"" << file << "\"\n";
    return 1;
  }
  SimDesktop desktop;
  SetUpDesktop(desktop, desktopOptions);
  SimUi ui(desktop.Trace());
  DesktopPlaybackCommands commands(desktop);
  WindowlessPlayerHost playerHost;
  Player player(desktop, ui, playerHost, commands);
  QuietHost host;
  ActivationDispatcher dispatcher(desktop, ui, session.hooks, session.file, player, host);
  WordletPlayer wordlets(desktop, ui, player, dispatcher, session.index);
  wordlets.onPlay = [&](int n, int backspaces) { out << "play " << n << " backspaces " << backspaces << "\n"; };
  for (char c : *text) wordlets.OnCharacter(0, static_cast<std::uint8_t>(c), options);
  return 0;
}

}  // namespace

TAVRIX_COMMAND("wordlet", kUsage, RunWordlet);

}  // namespace tavrix::tool
