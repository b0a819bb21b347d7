#include "shell/config/command_line.h"

#include <optional>

#include "base/ascii_text.h"
#include "shell/config/profile_values.h"

namespace tavrix {
namespace {

constexpr std::int32_t kMinSyncMinutes = 1;
constexpr std::int32_t kMaxSyncMinutes = 98;

bool IsSwitch(std::string_view argument) { return !argument.empty() && argument.front() == '/'; }

// Walks the upper-cased arguments, handing out switch values as it goes.
class ArgumentCursor {
 public:
  explicit ArgumentCursor(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) arguments_.push_back(ToUpperAscii(argument));
  }
  bool AtEnd() const { return next_ >= arguments_.size(); }
  const std::string& Take() { return arguments_[next_++]; }
  // The value of a switch: written right after its name, else the next
  // argument unless that is a switch of its own.
  std::optional<std::string> ValueOf(const std::string& argument, std::string_view name) {
    if (argument.size() > name.size()) return argument.substr(name.size());
    if (AtEnd() || IsSwitch(arguments_[next_])) return std::nullopt;
    return Take();
  }

 private:
  std::vector<std::string> arguments_;
  std::size_t next_ = 0;
};

std::optional<StartupSwitch> PlainSwitch(const std::string& argument) {
  if (argument == "/HIDE") return StartupSwitch::Hide;
  if (argument == "/B") return StartupSwitch::Browse;
  if (argument == "/BA") return StartupSwitch::LockedBrowse;
  if (argument == "/S") return StartupSwitch::AutoSync;
  if (argument == "/N") return StartupSwitch::NetworkMode;
  return std::nullopt;
}

std::optional<CommandLineSwitch> SyncMinutesSwitch(const std::optional<std::string>& value) {
  if (!value) return std::nullopt;
  const auto minutes = NumberValue(*value);
  if (!minutes || *minutes < kMinSyncMinutes || *minutes > kMaxSyncMinutes) return std::nullopt;
  return CommandLineSwitch{StartupSwitch::SyncMinutes, *minutes, {}};
}

std::optional<CommandLineSwitch> LoadFileSwitch(const std::optional<std::string>& value) {
  if (!value || value->empty()) return std::nullopt;
  return CommandLineSwitch{StartupSwitch::LoadFile, 0, *value};
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool IsWordBreak(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::vector<CommandLineSwitch> ParseCommandLine(const std::vector<std::string>& arguments) {
  std::vector<CommandLineSwitch> switches;
  ArgumentCursor cursor(arguments);
  while (!cursor.AtEnd()) {
    const std::string argument = cursor.Take();
    std::optional<CommandLineSwitch> found;
    if (const auto plain = PlainSwitch(argument)) {
      found = CommandLineSwitch{*plain, 0, {}};
    } else if (StartsWith(argument, "/SM")) {
      found = SyncMinutesSwitch(cursor.ValueOf(argument, "/SM"));
    } else if (StartsWith(argument, "/F")) {
      found = LoadFileSwitch(cursor.ValueOf(argument, "/F"));
    }
    if (found) switches.push_back(*found);
  }
  return switches;
}

StartupModes StartupModesOf(const std::vector<CommandLineSwitch>& switches) {
  StartupModes modes;
  for (const CommandLineSwitch& startupSwitch : switches) {
    switch (startupSwitch.kind) {
      case StartupSwitch::Hide: modes.hide = true; break;
      case StartupSwitch::Browse: modes.browse = true; break;
      case StartupSwitch::LockedBrowse: modes.browse = modes.lockedBrowse = true; break;
      default: break;
    }
  }
  return modes;
}

bool ApplyToConfiguration(const CommandLineSwitch& startupSwitch, Configuration& configuration) {
  switch (startupSwitch.kind) {
    case StartupSwitch::AutoSync: configuration.autoSync = true; return true;
    case StartupSwitch::NetworkMode: configuration.networkMode = true; return true;
    case StartupSwitch::SyncMinutes:
      if (startupSwitch.syncMinutes < kMinSyncMinutes || startupSwitch.syncMinutes > kMaxSyncMinutes) return false;
      configuration.syncMinutes = startupSwitch.syncMinutes;
      return true;
    default: return false;
  }
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < commandLine.size()) {
    while (i < commandLine.size() && IsWordBreak(commandLine[i])) ++i;
    if (i >= commandLine.size()) break;
    std::string word;
    bool quoted = false;
    while (i < commandLine.size() && (quoted || !IsWordBreak(commandLine[i]))) {
      if (commandLine[i] == '"') {
        quoted = !quoted;
      } else {
        word += commandLine[i];
      }
      ++i;
    }
    if (!word.empty()) words.push_back(std::move(word));
  }
  return words;
}

}  // namespace tavrix
