// tavrix export, import, copy and rename: the program's "Export Macros",
// "Import Macros", "Copy Macro" and "Rename Macro" with their dialogs
// answered from the arguments. Boxes and questions go to the error stream;
// exit 0 done, 1 refused (the macro file unchanged), 2 the file is in use
// or was changed by another copy (network mode).
#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>

#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"
#include "base/hot_key_table.h"

namespace tavrix::tool {
namespace {

std::optional<int> Number(const std::string& text) {
  int n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return n;
}

// The options every changing command shares.
struct CommonOptions {
  bool yes = false;
  NetworkOptions network;
};

// Takes --yes, --no and the network options; false with `problem` set
// when args[i] is none of them or its value is bad.
bool TakeCommonOption(const Arguments& args, std::size_t& i, CommonOptions& options, std::string& problem) {
  if (args[i] == "--yes" || args[i] == "--no") {
    options.yes = args[i] == "--yes";
    return true;
  }
  if (TakeNetworkOption(args, i, options.network, problem)) return problem.empty();
  if (problem.empty()) problem = "unknown option \"" + args[i] + "\"";
  return false;
}

int Usage(std::ostream& err, const std::string& usage, const std::string& problem) {
  err << "tavrix: " << problem << "\nusage: tavrix " << usage << "\n";
  return 1;
}

// --- export -------------------------------------------------------------------------

constexpr const char* kExportUsage = "export FILE OUT N...   write macros N of FILE to OUT in file order";

int RunExport(const Arguments& args, std::ostream&, std::ostream& err) {
  if (args.size() < 2) return Usage(err, kExportUsage, "FILE and OUT are needed");
  std::set<int> numbers;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::optional<int> n = Number(args[i]);
    if (!n) return Usage(err, kExportUsage, "\"" + args[i] + "\" is not a macro number");
    numbers.insert(*n);
  }
  StoreSession session(err);
  if (!session.file.LoadReadOnly(args[0]) || session.ui.ErrorCount() > 0) {
    if (session.ui.ErrorCount() == 0) session.ui.ShowMessage("Error", "File does not exist.");
    return 1;
  }
  for (const int n : numbers) {
    if (n < 1 || n > session.index.Count() || session.index.table().Scope(n) == kScopeSystem) {
      session.ui.ShowMessage("Error", "Macro " + std::to_string(n) + " is no macro that can be exported.");
      return 1;
    }
  }
  session.ui.QueueFileName(args[1]);
  session.ui.AnswerForms([&](Form& form) {
    auto& dialog = dynamic_cast<TMyExport&>(form);
    for (std::size_t row = 0; row < dialog.numbers.size(); ++row)
      dialog.macroList.selected[row] = numbers.count(dialog.numbers[row]) > 0;
    session.ui.Click(dialog, dialog.saveButton);
  });
  return session.transfer.DoExport() ? 0 : 1;
}

// --- import -------------------------------------------------------------------------

constexpr const char* kImportUsage =
    "import FILE FROM [--select N,...] [--yes|--no] [--network ...]   import FROM's macros (all but SYSTEM ones, or "
    "the listed ones) and print the number each got";

// Macro numbers of FROM that may be selected: the non-SYSTEM ones; nothing
// when FROM cannot be read as whole records (the dialog reports that).
std::optional<std::set<int>> Importable(const std::string& from) {
  const std::optional<std::string> read = ReadWholeFile(SystemFileAccess(), from);
  if (!read || read->size() % kMacroRecordSize != 0) return std::nullopt;
  const std::string& bytes = *read;
  std::set<int> numbers;
  for (std::size_t k = 0; k < bytes.size() / kMacroRecordSize; ++k) {
    MacroRecord record;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(k * kMacroRecordSize), kMacroRecordSize,
                record.bytes().begin());
    if (record.Scope() != kScopeSystem) numbers.insert(static_cast<int>(k + 1));
  }
  return numbers;
}

int RunImport(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> positional;
  std::optional<std::set<int>> select;
  CommonOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string problem;
    if (args[i] == "--select") {
      if (i + 1 >= args.size()) return Usage(err, kImportUsage, "--select needs a list");
      select.emplace();
      std::string list = args[++i];
      for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::optional<int> n = Number(list.substr(start, comma - start));
        if (!n) return Usage(err, kImportUsage, "--select takes macro numbers separated by commas");
        select->insert(*n);
        start = comma + 1;
      }
    } else if (args[i].rfind("--", 0) == 0) {
      if (!TakeCommonOption(args, i, options, problem)) return Usage(err, kImportUsage, problem);
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return Usage(err, kImportUsage, "FILE and FROM are needed");
  const std::string& from = positional[1];

  StoreSession session(err);
  session.ui.AnswerYes(options.yes);
  if (select) {
    if (const auto importable = Importable(from)) {
      for (const int n : *select) {
        if (importable->count(n) == 0) {
          session.ui.ShowMessage("Error", "Macro " + std::to_string(n) + " of \"" + from +
                                              "\" is a SYSTEM macro or no macro and cannot be imported.");
          return 1;
        }
      }
    }
  }
  if (!session.StartNetwork(options.network, positional[0])) return 1;
  if (!session.Load(positional[0])) return 1;

  session.ui.QueueFileName(from);
  session.ui.AnswerForms([&](Form& form) {
    auto& dialog = dynamic_cast<TMyImport&>(form);
    session.ui.Click(dialog, dialog.openButton);
    if (dialog.importPath.empty()) return;
    for (std::size_t row = 0; row < dialog.entries.size(); ++row)
      dialog.macroList.selected[row] = !select || select->count(dialog.entries[row].position) > 0;
    session.ui.Click(dialog, dialog.okButton);
  });
  const bool done = session.transfer.DoImport();
  for (const int n : session.transfer.ImportedNumbers()) out << n << "\n";
  return session.ExitCode(done);
}

// --- copy and rename ----------------------------------------------------------------

constexpr const char* kCopyUsage =
    "copy FILE N (--hotkey NAME | --wordlet TEXT | --timed) [--yes|--no] [--network ...]   copy macro N to "
    "another activation and print the copy's number";
constexpr const char* kRenameUsage =
    "rename FILE N (--hotkey NAME | --wordlet TEXT | --timed) [--yes|--no] [--network ...]   give macro N another "
    "activation";

int RunCopyOrRename(CopyOrMove what, const Arguments& args, std::ostream& out, std::ostream& err) {
  const std::string usage = what == CopyOrMove::Copy ? kCopyUsage : kRenameUsage;
  std::vector<std::string> positional;
  CommonOptions options;
  enum class Target { None, HotKey, Wordlet, Timed } target = Target::None;
  int targets = 0;
  std::uint16_t code = 0;
  std::string wordlet;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string problem;
    if (args[i] == "--timed") {
      target = Target::Timed;
      ++targets;
    } else if (args[i] == "--hotkey" || args[i] == "--wordlet") {
      if (i + 1 >= args.size()) return Usage(err, usage, args[i] + " needs a value");
      ++targets;
      if (args[i] == "--wordlet") {
        target = Target::Wordlet;
        wordlet = args[++i];
      } else {
        target = Target::HotKey;
        const std::optional<std::uint16_t> found = FindHotKey(args[++i]);
        if (!found) return Usage(err, usage, "unknown hot key name \"" + args[i] + "\"");
        code = *found;
      }
    } else if (args[i].rfind("--", 0) == 0) {
      if (!TakeCommonOption(args, i, options, problem)) return Usage(err, usage, problem);
    } else {
      positional.push_back(args[i]);
    }
  }
  const std::optional<int> n = positional.size() == 2 ? Number(positional[1]) : std::nullopt;
  if (!n) return Usage(err, usage, "FILE and a macro number N are needed");
  if (targets != 1) return Usage(err, usage, "give exactly one of --hotkey, --wordlet and --timed");

  StoreSession session(err);
  session.ui.AnswerYes(options.yes);
  if (!session.StartNetwork(options.network, positional[0])) return 1;
  if (!session.Load(positional[0])) return 1;

  const bool system = *n >= 1 && *n <= session.index.Count() && session.index.table().Scope(*n) == kScopeSystem;
  if (what == CopyOrMove::Move && system) {
    if (target != Target::HotKey) return Usage(err, usage, "a SYSTEM macro takes only --hotkey");
    return session.ExitCode(session.transfer.RenameSystemHotKey(*n, code));
  }

  session.ui.AnswerForms([&](Form& form) {
    auto& dialog = dynamic_cast<TCopyOrMove&>(form);
    dialog.hotKeyRadio.checked = target == Target::HotKey;
    dialog.wordletRadio.checked = target == Target::Wordlet;
    dialog.timedRadio.checked = target == Target::Timed;
    dialog.wordletName.text = wordlet;
    dialog.keyList.itemIndex = target == Target::HotKey ? code : -1;
    session.ui.Click(dialog, dialog.okButton);
  });
  const bool done = what == CopyOrMove::Copy ? session.transfer.DoCopy(*n) : session.transfer.DoMove(*n);
  if (done && what == CopyOrMove::Copy) out << session.transfer.LastNumber() << "\n";
  return session.ExitCode(done);
}

int RunCopy(const Arguments& args, std::ostream& out, std::ostream& err) {
  return RunCopyOrRename(CopyOrMove::Copy, args, out, err);
}
int RunRename(const Arguments& args, std::ostream& out, std::ostream& err) {
  return RunCopyOrRename(CopyOrMove::Move, args, out, err);
}

}  // namespace

TAVRIX_COMMAND("export", kExportUsage, RunExport);
TAVRIX_COMMAND("import", kImportUsage, RunImport);
TAVRIX_COMMAND("copy", kCopyUsage, RunCopy);
TAVRIX_COMMAND("rename", kRenameUsage, RunRename);

}  // namespace tavrix::tool
