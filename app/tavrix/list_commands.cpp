// tavrix info and output: Quick Info of one macro and the "Output Macro
// Information" file, as the main window shows and writes them.
#include <charconv>
#include <ostream>
#include <string>

#include "app/tavrix/command.h"
#include "app/tavrix/list_tool_support.h"
#include "app/tavrix/store_tool_support.h"
#include "shell/macro_output.h"
#include "shell/quick_info.h"

namespace tavrix::tool {

std::optional<SortOrders> ListSortOrders(const Arguments& args, std::ostream& err) {
  if (args.empty() || args[0] != "--sorted") return std::nullopt;
  SortOrders orders;
  for (std::size_t k = 1; k < args.size(); k += 2) {
    if (k + 1 >= args.size()) {
      err << "tavrix: " << args[k] << " needs a value\n";
      return std::nullopt;
    }
    const std::string& value = args[k + 1];
    std::string* field = nullptr;
    int digits = 3;
    if (args[k] == "--primary") field = &orders.primary;
    if (args[k] == "--activation") field = &orders.activation;
    if (args[k] == "--scope") {
      field = &orders.scope;
      digits = 5;
    }
    if (field == nullptr) {
      err << "tavrix: unknown option " << args[k] << "\n";
      return std::nullopt;
    }
    if (ValidSortOrder(value, digits) != value) {
      err << "tavrix: " << args[k] << " " << value << " is not an order of the digits 1 to " << digits << "\n";
      return std::nullopt;
    }
    *field = value;
  }
  return orders;
}

std::vector<int> ListRows(const MacroIndex& index, const std::optional<SortOrders>& orders) {
  if (orders) return FillList(index, *orders);
  std::vector<int> rows;
  for (int n = 1; n <= index.Count(); ++n) rows.push_back(n);
  return rows;
}

namespace {

bool LoadExisting(StoreSession& session, const std::string& path) {
  if (session.file.LoadReadOnly(path)) return true;
  if (session.ui.MessageCount() == 0) session.ui.ShowMessage("Error", "File does not exist.");
  return false;
}

int RunInfo(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: tavrix info FILE N\n";
    return 1;
  }
  StoreSession session(err);
  if (!LoadExisting(session, args[0])) return 1;
  int n = 0;
  const std::string& text = args[1];
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), n);
  if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || n < 1 || n > session.index.Count()) {
    err << "tavrix: Error: no macro number " << text << " in " << args[0] << "\n";
    return 1;
  }
  MacroRecord record;
  if (!session.file.ReadRecord(n, record)) {
    err << "tavrix: Error: macro " << n << " could not be read.\n";
    return 1;
  }
  for (const auto& [label, value] : QuickInfoLines(record)) {
    out << label;
    if (!value.empty()) out << ' ' << value;
    out << '\n';
  }
  return 0;
}

int RunOutput(const Arguments& args, std::ostream&, std::ostream& err) {
  OutputItems items;
  bool usable = args.size() == 2 || (args.size() == 4 && args[2] == "--items");
  if (usable && args.size() == 4) {
    const std::optional<OutputItems> chosen = ParseOutputItems(args[3]);
    if (!chosen) {
      err << "tavrix: Error: " << kNothingCheckedText << "\n";
      return 1;
    }
    items = *chosen;
  }
  if (!usable) {
    err << "usage: tavrix output FILE OUT [--items icon,hotkey,name,window,schedule,text]\n";
    return 1;
  }
  StoreSession session(err);
  if (!LoadExisting(session, args[0])) return 1;
  if (session.index.Count() == 0) {
    session.ui.ShowMessage("Error", kNoHotKeysText);
    return 1;
  }
  // The program's order as the default configuration gives it.
  if (!WriteMacroOutput(session.file, FillList(session.index, SortOrders{}), items, args[1])) {
    session.ui.ShowMessage("Error", kUnableToCreateText);
    return 1;
  }
  return 0;
}

}  // namespace

TAVRIX_COMMAND("info", "info FILE N   Quick Info of macro N, one line per label and value", RunInfo);
TAVRIX_COMMAND("output",
               "output FILE OUT [--items icon,hotkey,name,window,schedule,text]   writes the Output Macro "
               "Information file of FILE to OUT in the list's order (default: every item)",
               RunOutput);

}  // namespace tavrix::tool
