// tavrix add: appends one macro to a macro file the way the program's editors
// do, and prints its macro number.
#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "activation/scheduler_dialogs.h"
#include "base/hot_key_table.h"
#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"
#include "store/date_time.h"
#include "store/macro_record.h"

namespace tavrix::tool {

// add --popup (popup_commands.cpp).
int RunAddPopup(const Arguments& args, std::ostream& out, std::ostream& err);

namespace {

constexpr const char* kUsage =
    "add FILE (--hotkey NAME | --wordlet TEXT | --timed) [--nickname NAME] "
    "[--scope global|window:TITLE|program:NAME] [--if-running] [--inactive] (--text TEXT | --text-file PATH) "
    "[--sched startup|once|hourly|daily|weekly|monthly|other] [--at HH:MM(AM|PM)] [--days Mon,Tue,...,Sun] "
    "[--month M] [--day D] [--year Y] [--past-hour M] [--interval N] [--weekday 1-7] "
    "[--network [--known N] [--now TIME] [--seen V@TIME]]   "
    "append a macro and print its number (a timed one has the default schedule but for the fields given); "
    "add FILE --popup --hotkey NAME [--nickname TEXT] [--tray] [--style 1|2|3] [--icon-size 0-4] [--entries N,N,...]   "
    "append a popup menu as \"Build Macro Menu\" does";

struct AddRequest {
  std::string file;
  std::optional<std::uint16_t> activation;
  std::string wordlet;
  std::string nickname;
  std::int16_t scope = kScopeGlobal;
  std::string scopeName;
  bool ifRunning = false;
  bool inactive = false;
  std::optional<std::string> text;
  // The schedule fields given, applied over the default schedule in order.
  std::vector<std::function<void(MacroRecord&)>> schedule;
  NetworkOptions network;
};

constexpr const char* kScheduleKinds[] = {"startup", "once", "hourly", "daily", "weekly", "monthly", "other"};
constexpr const char* kDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

std::optional<int> NumberArgument(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const int value = std::stoi(text);
  if (value < low || value > high) return std::nullopt;
  return value;
}

// One schedule option with its value; the reason when it is not usable.
std::optional<std::string> ParseScheduleOption(const std::string& option, const std::string& value,
                                               AddRequest& request) {
  auto& edits = request.schedule;
  if (option == "--sched") {
    for (int kind = 0; kind < 7; ++kind) {
      if (value == kScheduleKinds[kind]) {
        edits.push_back([kind](MacroRecord& r) { r.SetSchedKind(static_cast<std::int16_t>(kind)); });
        return std::nullopt;
      }
    }
    return "--sched takes startup, once, hourly, daily, weekly, monthly or other";
  }
  if (option == "--at") {
    edits.push_back([value](MacroRecord& r) { ReadScheduleTime(value, r); });
    return std::nullopt;
  }
  if (option == "--days") {
    std::array<bool, 7> days{};
    std::string rest = value + ",";
    for (std::size_t at = 0; at < rest.size();) {
      const std::size_t comma = rest.find(',', at);
      const std::string name = rest.substr(at, comma - at);
      const auto found = std::find(std::begin(kDayNames), std::end(kDayNames), name);
      if (found == std::end(kDayNames)) return "--days takes names from Mon,Tue,Wed,Thu,Fri,Sat,Sun";
      days[static_cast<std::size_t>(found - std::begin(kDayNames))] = true;
      at = comma + 1;
    }
    edits.push_back([days](MacroRecord& r) {
      for (int i = 0; i < 6; ++i) r.SetSchedMon(i, days[static_cast<std::size_t>(i)] ? 1 : 0);
      r.SetSchedSun(days[6] ? 1 : 0);
    });
    return std::nullopt;
  }
  // The numbers are stored as given within their field's width; the
  // scheduler itself ignores a schedule whose fields are out of range.
  const bool wide = option == "--interval" || option == "--year";
  const std::optional<int> number = NumberArgument(value, 0, wide ? 65535 : 255);
  if (!number) return option + " takes a number from 0 to " + (wide ? "65535" : "255");
  const int n = *number;
  if (option == "--month") edits.push_back([n](MacroRecord& r) { r.SetSchedMonth(static_cast<std::uint8_t>(n)); });
  if (option == "--day") edits.push_back([n](MacroRecord& r) { r.SetSchedDay(static_cast<std::uint8_t>(n)); });
  if (option == "--year") edits.push_back([n](MacroRecord& r) { r.SetSchedYear(static_cast<std::uint16_t>(n)); });
  if (option == "--past-hour") edits.push_back([n](MacroRecord& r) { r.SetSchedPastHour(static_cast<std::uint8_t>(n)); });
  if (option == "--interval") edits.push_back([n](MacroRecord& r) { r.SetSchedInterval(static_cast<std::uint16_t>(n)); });
  if (option == "--weekday") edits.push_back([n](MacroRecord& r) { r.SetSchedWeekday(static_cast<std::uint8_t>(n)); });
  return std::nullopt;
}

bool IsScheduleOption(const std::string& option) {
  for (const char* name : {"--sched", "--at", "--days", "--month", "--day", "--year", "--past-hour", "--interval",
                           "--weekday"})
    if (option == name) return true;
  return false;
}

bool IsWordletCharacter(char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("!@#$%^&_=<>?.;,*-/+").find(c) != std::string_view::npos;
}

bool IsValidWordlet(const std::string& text) {
  if (text.empty() || text.size() > kWordletCapacity) return false;
  for (const char c : text)
    if (!IsWordletCharacter(c)) return false;
  return true;
}

// Fills `request` from the arguments; the reason when they are not usable.
std::optional<std::string> Parse(const Arguments& args, AddRequest& request) {
  if (args.empty() || args[0].rfind("--", 0) == 0) return "the macro file is missing";
  request.file = args[0];
  int activations = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    std::string networkProblem;
    if (TakeNetworkOption(args, i, request.network, networkProblem)) {
      if (!networkProblem.empty()) return networkProblem;
    } else if (option == "--timed") {
      ++activations;
      request.activation = kTimedActivation;
    } else if (IsScheduleOption(option)) {
      const auto argument = value();
      if (!argument) return option + " needs a value";
      if (auto problem = ParseScheduleOption(option, *argument, request)) return problem;
    } else if (option == "--if-running") {
      request.ifRunning = true;
    } else if (option == "--inactive") {
      request.inactive = true;
    } else if (option == "--hotkey" || option == "--wordlet" || option == "--nickname" || option == "--scope" ||
               option == "--text" || option == "--text-file") {
      const auto argument = value();
      if (!argument) return option + " needs a value";
      if (option == "--hotkey") {
        ++activations;
        request.activation = FindHotKey(*argument);
        if (!request.activation) return "unknown hot key name \"" + *argument + "\" (names as in the hot key list, e.g. \"Ctrl+Alt+A\")";
      } else if (option == "--wordlet") {
        ++activations;
        if (!IsValidWordlet(*argument))
          return "a Wordlet must be 1 to 10 characters from A-Z, a-z, 0-9 and ! @ # $ % ^ & _ = < > ? . ; , * - / +";
        request.activation = kWordletActivation;
        request.wordlet = *argument;
      } else if (option == "--nickname") {
        if (argument->size() > kNickNameCapacity) return "the nickname is longer than 50 characters";
        request.nickname = *argument;
      } else if (option == "--scope") {
        if (*argument == "global") {
          request.scope = kScopeGlobal;
        } else if (argument->rfind("window:", 0) == 0 || argument->rfind("program:", 0) == 0) {
          const bool window = argument->rfind("window:", 0) == 0;
          request.scope = window ? kScopeWindow : kScopeProgram;
          request.scopeName = argument->substr(window ? 7 : 8);
          if (request.scopeName.empty()) return std::string(window ? "the window title" : "the program name") + " is empty";
          if (request.scopeName.size() > kScopeNameCapacity)
            return std::string(window ? "the window title" : "the program name") + " is longer than 30 characters";
        } else {
          return "--scope takes global, window:TITLE or program:NAME";
        }
      } else {
        if (request.text) return "give the text only once";
        request.text = option == "--text" ? std::optional<std::string>(*argument) : ReadTextFile(*argument);
        if (!request.text) return "the text file \"" + *argument + "\" could not be read";
      }
    } else {
      return "unknown option \"" + option + "\"";
    }
  }
  if (activations != 1) return "give exactly one of --hotkey, --wordlet and --timed";
  if (!request.schedule.empty() && request.activation != kTimedActivation)
    return "the schedule options need --timed";
  if (!request.text) return "give the macro text with --text or --text-file";
  if (request.text->size() > kMaxMacroText) return "the macro text is longer than 5000 characters";
  if (request.text->find('\0') != std::string::npos) return "the macro text contains a zero byte";
  return std::nullopt;
}

MacroRecord BuildRecord(const AddRequest& request, const LocalDateTime& now) {
  MacroRecord record;
  record.SetNickName(request.nickname);
  record.SetScope(request.scope);
  record.SetScopeName(request.scopeName);
  record.SetActivation(*request.activation);
  record.SetWordletText(request.wordlet);
  record.SetActive(request.inactive ? 0 : 1);
  record.SetTopMostOnly(request.ifRunning ? 0 : 1);
  record.SetIconName("MAIN");
  record.SetMacroText(*request.text);
  if (*request.activation == kTimedActivation) record.SetDefaultSchedule(now);
  for (const auto& edit : request.schedule) edit(record);
  record.SetLastModified(ToDateTimeValue(now));
  return record;
}

int RunAdd(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (std::find(args.begin(), args.end(), "--popup") != args.end()) return RunAddPopup(args, out, err);
  AddRequest request;
  if (const auto problem = Parse(args, request)) {
    err << "tavrix add: " << *problem << "\n";
    return 1;
  }
  StoreSession session(err);
  if (!session.StartNetwork(request.network, request.file)) return 1;
  if (!session.Load(request.file)) return 1;

  MacroIndex& index = session.index;
  const int count = index.Count();
  // A SYSTEM activation always wins its hot key: a macro on it would never play.
  if (const int system = SystemActivationUsing(index, *request.activation); system != 0) {
    session.ui.ShowMessage("Error", "The hot key \"" + HotKeyName(*request.activation) +
                                        "\" is used by the SYSTEM macro \"" + index.NickName(system) +
                                        "\".  Hot Key cannot be added.");
    return 1;
  }
  if (count >= kMaxMacros) {
    session.ui.ShowMessage("Error", "Maximum number of hot keys has been reached.  Add not allowed.");
    return 1;
  }
  SyncFileHold hold(session.listener);
  if (!hold.Taken()) return session.ExitCode(false);
  const MacroRecord record = BuildRecord(request, session.Now());
  index.SetCount(count + 1);
  session.hooks.TvxUpNumKeys(index.table().bytes());
  if (!session.file.SaveRecord(-1, record)) return 1;
  hold.Changed();
  // Its real place in the file: another copy may have appended meanwhile.
  out << session.file.LastSavedNumber() << "\n";
  return 0;
}

}  // namespace

TAVRIX_COMMAND("add", kUsage, RunAdd);

}  // namespace tavrix::tool
