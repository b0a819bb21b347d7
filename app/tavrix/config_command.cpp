// tavrix config: loads a TAVRX.INI as the program does at start-up and prints
// the settings it gives, every key in file order, as Save would write them.
#include <filesystem>
#include <ostream>
#include <sstream>

#include "app/tavrix/command.h"
#include "shell/config/configuration.h"
#include "shell/config/ini_profile_file.h"
#include "shell/config/memory_profile_file.h"

namespace tavrix::tool {
namespace {

constexpr const char* Usage =
    "config INI-FILE [PROGRAM-FOLDER]   the settings a configuration file loads as (missing keys and values that "
    "do not read show their defaults), one key=value a line";

bool FileExistsOnDisk(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

int RunConfig(const Arguments& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty() || arguments.size() > 2) {
    err << "usage: tavrix " << Usage << "\n";
    return 1;
  }
  IniProfileFile profile(arguments[0]);
  Configuration configuration;
  configuration.Load(profile, arguments.size() > 1 ? arguments[1] : ".", FileExistsOnDisk);
  MemoryProfileFile loaded;
  configuration.Save(loaded);
  std::istringstream lines(loaded.Text());
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << line << "\n";
  }
  return 0;
}

}  // namespace

TAVRIX_COMMAND("config", Usage, RunConfig);

}  // namespace tavrix::tool
