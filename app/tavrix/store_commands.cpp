// tavrix new, list and dump: a macro file as the program loads it, its macros
// one a line, and every field of one record.
#include <array>
#include <optional>
#include <charconv>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "base/hot_key_table.h"
#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"
#include "app/tavrix/list_tool_support.h"
#include "platform/sim/sim_trace.h"
#include "store/date_time.h"
#include "store/key_swap_file.h"
#include "store/macro_record.h"

namespace tavrix::tool {
namespace {

int RunNew(const Arguments& args, std::ostream&, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: tavrix new FILE\n";
    return 1;
  }
  StoreSession session(err);
  if (!session.Load(args[0])) return 1;
  // The program reads or creates the key-swap file beside it at start-up too.
  std::array<std::uint8_t, kSwapTablesSize> swapTables{};
  if (GetSwapFile(args[0], swapTables) == SwapFileResult::NotCreated) {
    session.ui.ShowMessage("Error", SwapFileNotCreatedMessage(args[0]));
    return 1;
  }
  return 0;
}

// Loads without changing anything; false when there is nothing to show.
bool LoadForViewing(StoreSession& session, const std::string& path) {
  if (session.file.LoadReadOnly(path)) return true;
  if (session.ui.MessageCount() == 0) session.ui.ShowMessage("Error", "File does not exist.");
  return session.file.State() == MacroFileState::Damaged;  // still show what was loaded
}

std::string ActivationText(const MacroIndex& index, int n) {
  const std::uint16_t code = index.table().Activation(n);
  if (code == kTimedActivation) return "Timed Macro";
  if (code == kWordletActivation) return index.Wordlet(n);
  const std::string& name = HotKeyName(code);
  return name.empty() ? "Unknown activation " + std::to_string(code) : name;
}

std::string ScopeText(const SharedMacroTable& table, int n) {
  switch (table.Scope(n)) {
    case kScopeGlobal: return "GLOBAL";
    case kScopeWindow: return "Window: " + table.ScopeName(n);
    case kScopeProgram: return "Program: " + table.ScopeName(n);
    case kScopePopupMenu: return "Popup Menu";
    case kScopeSystem: return "SYSTEM";
    default: return "Unknown scope " + std::to_string(table.Scope(n));
  }
}

int RunList(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::optional<SortOrders> sorted;
  if (args.empty() || (args.size() > 1 && !(sorted = ListSortOrders(Arguments(args.begin() + 1, args.end()), err)))) {
    err << "usage: tavrix list FILE [--sorted [--primary 123] [--activation 123] [--scope 12345]]\n";
    return 1;
  }
  StoreSession session(err);
  if (!LoadForViewing(session, args[0])) return 1;
  const MacroIndex& index = session.index;
  for (const int n : ListRows(index, sorted)) {
    out << n << '\t' << EscapeTraceText(ActivationText(index, n)) << '\t' << EscapeTraceText(index.NickName(n))
        << '\t' << EscapeTraceText(ScopeText(index.table(), n)) << '\t'
        << (index.table().Active(n) != 0 ? "yes" : "no") << '\n';
  }
  return session.file.State() == MacroFileState::Ready ? 0 : 1;
}

std::string Number(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string DateText(double value) {
  const LocalDateTime t = FromDateTimeValue(value);
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return buffer;
}

std::string Hex(const std::array<std::uint8_t, 22>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (const std::uint8_t b : bytes) {
    text += digits[b >> 4];
    text += digits[b & 15];
  }
  return text;
}

// Numbers separated by commas.
std::string Joined(const std::vector<long>& numbers) {
  std::string text;
  for (const long n : numbers) {
    if (!text.empty()) text += ',';
    text += std::to_string(n);
  }
  return text;
}

void Dump(const MacroRecord& r, std::ostream& out) {
  const auto field = [&](const char* name, const std::string& value) { out << name << '=' << value << '\n'; };
  const auto number = [&](const char* name, long value) { field(name, std::to_string(value)); };
  field("NickName", EscapeClipboardText(r.NickName()));
  field("ScopeName", EscapeClipboardText(r.ScopeName()));
  field("WordletText", EscapeClipboardText(r.WordletText()));
  number("Activation", r.Activation());
  number("Scope", r.Scope());
  number("Active", r.Active());
  number("Reserved98", r.Reserved98());
  field("MacroText", EscapeClipboardText(r.MacroText()));
  if (r.Scope() == kScopePopupMenu) {
    std::vector<long> list;
    for (const std::uint16_t n : r.PopupMenuList()) list.push_back(n);
    number("PopupCount", r.PopupCount());
    field("PopupMenu", Joined(list));
  }
  field("IconName", EscapeClipboardText(r.IconName()));
  number("SchedKind", r.SchedKind());
  std::vector<long> days;
  for (int i = 0; i < 6; ++i) days.push_back(r.SchedMon(i));
  field("SchedMon", Joined(days));
  number("SchedSun", r.SchedSun());
  number("SchedHour", r.SchedHour());
  number("SchedMinute", r.SchedMinute());
  number("SchedMonth", r.SchedMonth());
  number("SchedDay", r.SchedDay());
  number("SchedPastHour", r.SchedPastHour());
  number("SchedInterval", r.SchedInterval());
  number("SchedWeekday", r.SchedWeekday());
  number("SchedYear", r.SchedYear());
  number("SchedPM", r.SchedPM());
  number("TopMostOnly", r.TopMostOnly());
  field("LastModified", Number(r.LastModified()));
  field("LastModifiedText", DateText(r.LastModified()));
  field("Reserved5143", Hex(r.Reserved5143()));
}

int RunDump(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: tavrix dump FILE N\n";
    return 1;
  }
  StoreSession session(err);
  if (!LoadForViewing(session, args[0])) return 1;
  int n = 0;
  const std::string& text = args[1];
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), n);
  if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || n < 1 || n > session.index.Count()) {
    err << "tavrix: Error: no macro number " << text << " in " << args[0] << " (it holds "
        << session.index.Count() << ")\n";
    return 1;
  }
  MacroRecord record;
  if (!session.file.ReadRecord(n, record)) {
    err << "tavrix: Error: macro " << n << " could not be read.\n";
    return 1;
  }
  Dump(record, out);
  return session.file.State() == MacroFileState::Ready ? 0 : 1;
}

}  // namespace

TAVRIX_COMMAND("new", "new FILE   load FILE as at start-up (a missing file is created with the system activations, "
                      "a missing key-swap file beside it too); prints nothing unless something fails",
               RunNew);
TAVRIX_COMMAND("list",
               "list FILE [--sorted [--primary 123] [--activation 123] [--scope 12345]]   one line per macro: "
               "number, activation, nickname, scope, active (tab-separated); --sorted: in the main window's order",
               RunList);
TAVRIX_COMMAND("dump", "dump FILE N   every field of macro N, one name=value a line", RunDump);

}  // namespace tavrix::tool
