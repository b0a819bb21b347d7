// tavrix script and tavrix compile: the script editor's view of a macro text
// and the macro text its lines compile back into.
#include <ostream>
#include <string>

#include "app/tavrix/command.h"
#include "editing/script_compile.h"
#include "editing/script_view.h"
#include "platform/sim/sim_trace.h"

namespace tavrix::tool {

namespace {

// The TEXT of "--text TEXT", the only argument both commands take.
const std::string* TextArgument(const Arguments& arguments, const std::string& command, std::ostream& err) {
  if (arguments.size() != 2 || arguments[0] != "--text") {
    err << "tavrix " << command << ": usage: tavrix " << command << " --text TEXT\n";
    return nullptr;
  }
  return &arguments[1];
}

int Script(const Arguments& arguments, std::ostream& out, std::ostream& err) {
  const std::string* text = TextArgument(arguments, "script", err);
  if (text == nullptr) return 1;
  std::vector<ScriptLine> lines = BuildTheScript(*text);
  IndentScript(lines);
  for (const ScriptLine& line : lines) out << line.display << "\n";
  return 0;
}

int Compile(const Arguments& arguments, std::ostream& out, std::ostream& err) {
  const std::string* text = TextArgument(arguments, "compile", err);
  if (text == nullptr) return 1;
  out << EscapeClipboardText(CompileScript(BuildTheScript(*text))) << "\n";
  return 0;
}

}  // namespace

TAVRIX_COMMAND("script", "script --text TEXT   the script editor's lines for a macro text, one per line", Script);
TAVRIX_COMMAND("compile", "compile --text TEXT   the macro text the script lines of TEXT compile back into (escaped)",
               Compile);

}  // namespace tavrix::tool
