// tavrix sched and tavrix due: the schedule description of a macro, and the
// macros one check of the scheduler plays at a given moment.
#include <cstdio>
#include <ostream>
#include <string>

#include "activation/scheduler.h"
#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"

namespace tavrix::tool {
namespace {

// "YYYY-MM-DD HH:MM:SS"
std::optional<LocalDateTime> MomentIn(const std::string& text) {
  LocalDateTime t;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second,
                  &tail) != 6)
    return std::nullopt;
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 || t.second > 59)
    return std::nullopt;
  return t;
}

int RunSched(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "tavrix sched: give the macro file and a macro number\n";
    return 1;
  }
  StoreSession session(err);
  // A viewer: the file is read as it is, never repaired or completed.
  if (!session.file.LoadReadOnly(args[0])) {
    err << "tavrix sched: cannot read \"" << args[0] << "\"\n";
    return 1;
  }
  int n = 0;
  try {
    n = std::stoi(args[1]);
  } catch (...) {
  }
  MacroRecord record;
  if (n < 1 || n > session.index.Count() || !session.file.ReadRecord(n, record)) {
    err << "tavrix sched: no macro " << args[1] << "\n";
    return 1;
  }
  out << GetSched(record) << "\n";
  return 0;
}

int RunDue(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::optional<LocalDateTime> built, prev, now;
  if (args.size() != 7) {
    err << "tavrix due: give FILE --built MOMENT --prev MOMENT --now MOMENT\n";
    return 1;
  }
  for (std::size_t i = 1; i + 1 < args.size(); i += 2) {
    const std::optional<LocalDateTime> moment = MomentIn(args[i + 1]);
    if (!moment) {
      err << "tavrix due: \"" << args[i + 1] << "\" is not a moment YYYY-MM-DD HH:MM:SS\n";
      return 1;
    }
    if (args[i] == "--built") built = moment;
    else if (args[i] == "--prev") prev = moment;
    else if (args[i] == "--now") now = moment;
  }
  if (!built || !prev || !now) {
    err << "tavrix due: give --built, --prev and --now\n";
    return 1;
  }
  StoreSession session(err);
  if (!session.file.LoadReadOnly(args[0])) {
    err << "tavrix due: cannot read \"" << args[0] << "\"\n";
    return 1;
  }
  Scheduler scheduler;
  scheduler.CheckAndSetTime(session.file, *built);
  scheduler.SetPreviousCheck(*prev);
  for (int n : scheduler.CheckOutTimerMacros(*now, {})) out << n << "\n";
  return 0;
}

}  // namespace

TAVRIX_COMMAND("sched", "sched FILE N   print the schedule of macro N in one line", RunSched);
TAVRIX_COMMAND("due",
               "due FILE --built \"YYYY-MM-DD HH:MM:SS\" --prev \"...\" --now \"...\"   build the timer table at "
               "--built, run one check at --now after one at --prev, and print the macros it plays",
               RunDue);

}  // namespace tavrix::tool
