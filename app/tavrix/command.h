// The commands of the tavrix tool. Each command file registers itself with
// one TAVRIX_COMMAND line; main() looks the first argument up here.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace tavrix::tool {

using Arguments = std::vector<std::string>;
// Runs a command with the arguments after its name; returns the exit code.
using CommandFunction = std::function<int(const Arguments&, std::ostream& out, std::ostream& err)>;

struct CommandInfo {
  CommandFunction run;
  std::string usage;  // one line, shown by "tavrix help"
};

std::map<std::string, CommandInfo>& Commands();

struct CommandRegistrar {
  CommandRegistrar(const std::string& name, const std::string& usage, CommandFunction run) {
    Commands()[name] = CommandInfo{std::move(run), usage};
  }
};

}  // namespace tavrix::tool

#define TAVRIX_COMMAND_JOIN2(a, b) a##b
#define TAVRIX_COMMAND_JOIN(a, b) TAVRIX_COMMAND_JOIN2(a, b)
#define TAVRIX_COMMAND(name, usage, function) \
  static ::tavrix::tool::CommandRegistrar TAVRIX_COMMAND_JOIN(registrar_, __LINE__)(name, usage, function)
