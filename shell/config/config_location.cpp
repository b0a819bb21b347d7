#include "shell/config/config_location.h"

#include "shell/config/configuration.h"

namespace tavrix {
namespace {

constexpr const char* kAppDataSubfolder = "Tavrix";

}  // namespace

std::string JoinWindowsPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  if (last == '\\' || last == '/') return folder + name;
  return folder + "\\" + name;
}

ConfigurationPlace ChooseConfigurationPlace(const ConfigurationPlaceFacts& facts) {
  const std::string inWindows = JoinWindowsPath(facts.windowsFolder, kConfigurationFileName);
  if (facts.appDataFolder.empty()) return {inWindows, {}, std::nullopt};

  const std::string userFolder = JoinWindowsPath(facts.appDataFolder, kAppDataSubfolder);
  const std::string inUserFolder = JoinWindowsPath(userFolder, kConfigurationFileName);
  const auto exists = [&](const std::string& path) { return facts.fileExists && facts.fileExists(path); };

  if (exists(inUserFolder)) return {inUserFolder, {}, std::nullopt};
  if (facts.windowsFolderWritable) return {inWindows, {}, std::nullopt};
  ConfigurationPlace place{inUserFolder, userFolder, std::nullopt};
  if (exists(inWindows)) place.copyFrom = inWindows;
  return place;
}

}  // namespace tavrix
