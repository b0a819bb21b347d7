#include "shell/config/config_location.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tavrix {
namespace {

const std::string kWindowsFile = "C:\\WINDOWS\\TAVRX.INI";
const std::string kUserFolder = "C:\\Users\\Ann\\AppData\\Roaming\\Tavrix";
const std::string kUserFile = "C:\\Users\\Ann\\AppData\\Roaming\\Tavrix\\TAVRX.INI";

ConfigurationPlace Choose(bool windowsWritable, std::set<std::string> existing,
                          std::string appData = "C:\\Users\\Ann\\AppData\\Roaming") {
  ConfigurationPlaceFacts facts;
  facts.windowsFolder = "C:\\WINDOWS";
  facts.appDataFolder = std::move(appData);
  facts.windowsFolderWritable = windowsWritable;
  facts.fileExists = [existing](const std::string& path) { return existing.count(path) > 0; };
  return ChooseConfigurationPlace(facts);
}

TEST(ConfigLocationTest, AWritableWindowsFolderKeepsTheFileThere) {
  EXPECT_EQ(Choose(true, {}), (ConfigurationPlace{kWindowsFile, "", std::nullopt}));
  EXPECT_EQ(Choose(true, {kWindowsFile}), (ConfigurationPlace{kWindowsFile, "", std::nullopt}));
}

TEST(ConfigLocationTest, AReadOnlyWindowsFolderSendsANewUserToTheAppDataFolder) {
  EXPECT_EQ(Choose(false, {}), (ConfigurationPlace{kUserFile, kUserFolder, std::nullopt}));
}

TEST(ConfigLocationTest, AReadOnlyWindowsFolderCopiesTheOldSettingsOverOnce) {
  EXPECT_EQ(Choose(false, {kWindowsFile}), (ConfigurationPlace{kUserFile, kUserFolder, kWindowsFile}));
  // The next run finds the copy and leaves the old file alone.
  EXPECT_EQ(Choose(false, {kWindowsFile, kUserFile}), (ConfigurationPlace{kUserFile, "", std::nullopt}));
}

TEST(ConfigLocationTest, OnceInTheAppDataFolderTheFileStaysThere) {
  EXPECT_EQ(Choose(true, {kUserFile}), (ConfigurationPlace{kUserFile, "", std::nullopt}));
  EXPECT_EQ(Choose(true, {kUserFile, kWindowsFile}), (ConfigurationPlace{kUserFile, "", std::nullopt}));
}

TEST(ConfigLocationTest, WithoutAnAppDataFolderTheWindowsFolderIsTheOnlyPlace) {
  EXPECT_EQ(Choose(false, {}, ""), (ConfigurationPlace{kWindowsFile, "", std::nullopt}));
}

TEST(ConfigLocationTest, FoldersWithTrailingBackslashesAndMissingAnswers) {
  ConfigurationPlaceFacts facts;
  facts.windowsFolder = "C:\\";
  facts.appDataFolder = "D:\\Data\\";
  facts.windowsFolderWritable = false;
  EXPECT_EQ(ChooseConfigurationPlace(facts), (ConfigurationPlace{"D:\\Data\\Tavrix\\TAVRX.INI", "D:\\Data\\Tavrix",
                                                                 std::nullopt}))
      << "no file-exists answer counts as no file";
  facts.windowsFolderWritable = true;
  EXPECT_EQ(ChooseConfigurationPlace(facts).path, "C:\\TAVRX.INI");
  facts.windowsFolder = "";
  EXPECT_EQ(ChooseConfigurationPlace(facts).path, "TAVRX.INI") << "a bare name: the profile functions' own choice";
}

}  // namespace
}  // namespace tavrix
