// tavrix direct: the text box of "Modify Hot Key" and what its buttons, its
// "Miscellaneous" list and its "&Update" do to the text in it.
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"
#include "editing/direct_editor.h"
#include "editing/text_insertion.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_trace.h"

namespace tavrix::tool {
namespace {

constexpr const char* kUsage =
    "direct (--text TEXT | --text-file PATH) [--caret N | --select N LEN | --key CAPTION | --misc ROW | "
    "--insert TEXT]... [--update]   the text of \"Modify Hot Key\" after the steps, escaped (--update: as stored)";

class NoFileChecks : public FileChecks {
 public:
  bool FileExists(const std::string&) override { return false; }
  bool FolderExists(const std::string&) override { return false; }
  std::optional<std::string> ShortPath(const std::string&) override { return std::nullopt; }
};

// One step on the form; false (with the reason) when its arguments do not
// fit the text as it is by then.
using Step = std::function<bool(TModHotKeys&, std::string& problem)>;

std::optional<int> Count(const std::string& text) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return std::stoi(text);
}

std::optional<std::size_t> KeyIndex(const std::string& caption) {
  const auto keys = KeystrokeButtons();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (PlainCaption(keys[i].caption) == caption) return i;
  }
  return std::nullopt;
}

bool PlaceSelection(TModHotKeys& form, int start, int length, std::string& problem) {
  const auto size = static_cast<int>(form.newFormat.text.size());
  if (start > size || length > size - start) {
    problem = "the text has only " + std::to_string(size) + " characters";
    return false;
  }
  form.newFormat.selStart = start;
  form.newFormat.selLength = length;
  return true;
}

// The steps of the arguments; the reason in `problem` when one is unusable.
std::optional<std::vector<Step>> ParseSteps(const Arguments& args, std::optional<std::string>& text, bool& update,
                                            std::string& problem) {
  std::vector<Step> steps;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const auto value = [&](std::size_t k) -> const std::string* {
      return i + k < args.size() ? &args[i + k] : nullptr;
    };
    if (option == "--update") {
      update = true;
      continue;
    }
    const std::string* first = value(1);
    if (first == nullptr) {
      problem = option + " needs a value";
      return std::nullopt;
    }
    if (option == "--text" || option == "--text-file") {
      if (text) {
        problem = "only one of --text and --text-file";
        return std::nullopt;
      }
      if (option == "--text") {
        text = *first;
      } else {
        std::ifstream in(*first, std::ios::binary);
        if (!in) {
          problem = "cannot read " + *first;
          return std::nullopt;
        }
        text = std::string(std::istreambuf_iterator<char>(in), {});
      }
      ++i;
    } else if (option == "--caret") {
      const auto n = Count(*first);
      if (!n) {
        problem = "--caret takes a number of characters";
        return std::nullopt;
      }
      steps.push_back([n = *n](TModHotKeys& form, std::string& why) { return PlaceSelection(form, n, 0, why); });
      ++i;
    } else if (option == "--select") {
      const std::string* second = value(2);
      const auto n = Count(*first);
      const auto length = second != nullptr ? Count(*second) : std::nullopt;
      if (!n || !length) {
        problem = "--select takes an offset and a length";
        return std::nullopt;
      }
      steps.push_back([n = *n, length = *length](TModHotKeys& form, std::string& why) {
        return PlaceSelection(form, n, length, why);
      });
      i += 2;
    } else if (option == "--key") {
      const auto index = KeyIndex(*first);
      if (!index) {
        problem = "no keystroke button \"" + *first + "\"";
        return std::nullopt;
      }
      steps.push_back([index = *index](TModHotKeys& form, std::string&) {
        form.Click(*form.keystrokeButtons[index]);
        return true;
      });
      ++i;
    } else if (option == "--misc") {
      const auto row = Count(*first);
      if (!row || *row > static_cast<int>(MiscellaneousKeys().size())) {
        problem = "--misc takes a row from 0 to " + std::to_string(MiscellaneousKeys().size());
        return std::nullopt;
      }
      steps.push_back([row = *row](TModHotKeys& form, std::string&) {
        form.miscBox.itemIndex = row - 1;
        form.Click(form.miscOk);
        return true;
      });
      ++i;
    } else if (option == "--insert") {
      steps.push_back([returned = *first](TModHotKeys& form, std::string&) {
        form.InsertReturnedText(returned);
        return true;
      });
      ++i;
    } else {
      problem = "unknown option " + option;
      return std::nullopt;
    }
  }
  if (!text) {
    problem = "--text or --text-file is needed";
    return std::nullopt;
  }
  return steps;
}

int Direct(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> text;
  bool update = false;
  std::string problem;
  std::optional<std::vector<Step>> steps = ParseSteps(args, text, update, problem);
  if (!steps) {
    err << "tavrix direct: " << problem << "\nusage: tavrix " << kUsage << "\n";
    return 1;
  }
  SimDesktop desktop;
  ConsoleUi ui(err);
  NoFileChecks files;
  MacroRecord record;
  TModHotKeys form(ui, desktop, files, record);
  form.editingExisting = false;
  form.FormShow({});
  form.newFormat.text = *text;
  form.newFormat.selStart = static_cast<int>(text->size());
  for (const Step& step : *steps) {
    if (!step(form, problem)) {
      err << "tavrix direct: " << problem << "\n";
      return 1;
    }
  }
  if (update) {
    const FormReply reply = form.Click(form.updateButton);
    if (reply.kind == FormReply::Kind::Refuse) ui.ShowMessage(reply.caption, reply.message);
    out << EscapeClipboardText(record.MacroText()) << "\n";
  } else {
    out << EscapeClipboardText(form.newFormat.text) << "\n";
  }
  return 0;
}

}  // namespace

TAVRIX_COMMAND("direct", kUsage, Direct);

}  // namespace tavrix::tool
