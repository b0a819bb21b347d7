// Network mode on the command line: the options every changing command
// accepts, and tavrix lock, which shows the lock file's record.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <thread>
#include <ostream>
#include <string>

#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"

namespace tavrix::tool {

std::optional<LocalDateTime> ParseLocalTime(const std::string& text) {
  LocalDateTime t;
  char end = 0;
  if (text.size() != 19 || std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
                                       &t.minute, &t.second, &end) != 6)
    return std::nullopt;
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 || t.second > 59)
    return std::nullopt;
  return t;
}

bool TakeNetworkOption(const Arguments& args, std::size_t& i, NetworkOptions& options, std::string& problem) {
  const std::string& option = args[i];
  if (option == "--network" || option == "--wait") {
    options.on = true;
    options.wait = options.wait || option == "--wait";
    return true;
  }
  if (option != "--known" && option != "--now" && option != "--seen") return false;
  if (i + 1 >= args.size()) {
    problem = option + " needs a value";
    return true;
  }
  const std::string& value = args[++i];
  if (option == "--known") {
    int known = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), known);
    if (error != std::errc() || end != value.data() + value.size()) problem = "--known takes a whole number";
    options.known = known;
  } else if (option == "--now") {
    options.now = ParseLocalTime(value);
    if (!options.now) problem = "--now takes \"YYYY-MM-DD HH:MM:SS\"";
  } else {
    const std::size_t at = value.find('@');
    double seen = 0;
    const auto time = at == std::string::npos ? std::nullopt : ParseLocalTime(value.substr(at + 1));
    const auto [end, error] = std::from_chars(value.data(), value.data() + (at == std::string::npos ? 0 : at), seen);
    if (!time || error != std::errc() || end != value.data() + at) {
      problem = "--seen takes \"V@YYYY-MM-DD HH:MM:SS\"";
    } else {
      options.seenTime = seen;
      options.firstSeen = *time;
    }
  }
  return true;
}

bool StoreSession::StartNetwork(const NetworkOptions& options, const std::string& macroFile) {
  fixedNow = options.now;
  lock.SetEnabled(options.on);
  if (!options.on) return true;
  if (!lock.Prepare(macroFile)) return false;
  if (options.known) lock.SetKnownCount(*options.known);
  if (options.seenTime) lock.SetSeen(*options.seenTime, options.firstSeen);
  if (options.wait) lock.SetStaleWait([] { std::this_thread::sleep_for(std::chrono::seconds(1)); });
  return true;
}

int StoreSession::ExitCode(bool done) const {
  if (done) return 0;
  const FileCheck check = lock.LastCheck();
  return check == FileCheck::InUse || check == FileCheck::Changed ? 2 : 1;
}

namespace {

constexpr const char* kLockUsage =
    "lock FILE   show the lock file of FILE (created free when missing) as ChangeCount=, LockState=, LockTime=";

int RunLock(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || args[0].rfind("--", 0) == 0) {
    err << "usage: tavrix " << kLockUsage << "\n";
    return 1;
  }
  StoreSession session(err);
  if (!session.lock.Prepare(args[0])) return 1;
  const std::optional<LockRecord> record = session.lock.Read();
  if (!record) return 1;
  out << "ChangeCount=" << record->changeCount << "\nLockState=" << record->lockState
      << "\nLockTime=" << ShortestDouble(record->lockTime) << "\n";
  return 0;
}

}  // namespace

TAVRIX_COMMAND("lock", kLockUsage, RunLock);

}  // namespace tavrix::tool
