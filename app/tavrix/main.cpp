// tavrix: the portable core on the command line, for scripting macro files and
// for playing macros on the simulated desktop.
#include <csignal>
#include <iostream>

#include "app/tavrix/command.h"

namespace tavrix::tool {

std::map<std::string, CommandInfo>& Commands() {
  static std::map<std::string, CommandInfo> commands;
  return commands;
}

}  // namespace tavrix::tool

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: tavrix COMMAND [ARGUMENTS]\n";
  for (const auto& [name, info] : tavrix::tool::Commands()) out << "  tavrix " << info.usage << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tavrix::tool;
  // A write past the file size limit fails like a full disk (and is cut
  // back) instead of ending the tool half-way through it.
  std::signal(SIGXFSZ, SIG_IGN);
  if (argc < 2) {
    PrintUsage(std::cerr);
    return 1;
  }
  const std::string name = argv[1];
  if (name == "help" || name == "--help" || name == "-h") {
    PrintUsage(std::cout);
    return 0;
  }
  const auto found = Commands().find(name);
  if (found == Commands().end()) {
    std::cerr << "tavrix: unknown command \"" << name << "\"\n";
    PrintUsage(std::cerr);
    return 1;
  }
  const Arguments arguments(argv + 2, argv + argc);
  return found->second.run(arguments, std::cout, std::cerr);
}
