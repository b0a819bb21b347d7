#include "shell/config/ini_profile_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "shell/config/configuration_saving.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/sim_world.h"

namespace tavrix {
namespace {

using test_support::ReadFileText;
using test_support::ScratchFolder;
using test_support::WriteFileText;

TEST(IniProfileFileTest, MissingFileGivesDefaultsAndIsCreatedByTheFirstWrite) {
  ScratchFolder folder;
  IniProfileFile profile(folder / "TAVRX.INI");
  EXPECT_EQ(profile.GetString("Misc", "Use Tray", "No"), "No");
  EXPECT_EQ(profile.GetString("Misc", "Use Tray", "Yes   "), "Yes") << "trailing blanks of the default go";
  EXPECT_FALSE(std::filesystem::exists(folder / "TAVRX.INI")) << "reading alone creates nothing";

  profile.WriteString("Misc", "Use Tray", "Yes");
  profile.WriteString("Capture", "Keys", "No");
  EXPECT_EQ(ReadFileText(folder / "TAVRX.INI"), "[Misc]\r\nUse Tray=Yes\r\n\r\n[Capture]\r\nKeys=No\r\n");
  EXPECT_EQ(profile.GetString("misc", "USE TRAY", "No"), "Yes");
  EXPECT_FALSE(std::filesystem::exists(folder / "TAVRX.INI.new")) << "no scratch file left behind";
}

TEST(IniProfileFileTest, WritingKeepsTheUsersOtherSectionsAndComments) {
  ScratchFolder folder;
  WriteFileText(folder / "TAVRX.INI",
                "; edited by hand\n[Misc]\nUse Tray=No\nMy Own Key=42\n\n[Someone Else]\nUse Tray=Maybe\n");
  IniProfileFile profile(folder / "TAVRX.INI");
  profile.WriteString("Misc", "Use Tray", "Yes");
  EXPECT_EQ(ReadFileText(folder / "TAVRX.INI"),
            "; edited by hand\r\n[Misc]\r\nUse Tray=Yes\r\nMy Own Key=42\r\n\r\n[Someone Else]\r\nUse Tray=Maybe\r\n");
}

TEST(IniProfileFileTest, SeesChangesMadeByOthersWhileRunning) {
  ScratchFolder folder;
  const auto path = folder / "TAVRX.INI";
  WriteFileText(path, "[Misc]\nShow Date=No\n");
  IniProfileFile profile(path);
  EXPECT_EQ(profile.GetString("Misc", "Show Date", ""), "No");

  WriteFileText(path, "[Misc]\nShow Date=Yes, from the editor\n");
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
  EXPECT_EQ(profile.GetString("Misc", "Show Date", ""), "Yes, from the editor");

  std::filesystem::remove(path);
  EXPECT_EQ(profile.GetString("Misc", "Show Date", "gone"), "gone");
}

TEST(IniProfileFileTest, AFailedWriteIsIgnored) {
  ScratchFolder folder;
  IniProfileFile profile(folder / "no such folder" / "TAVRX.INI");
  profile.WriteString("Misc", "Use Tray", "Yes");  // must neither throw nor create the folder
  EXPECT_FALSE(std::filesystem::exists(folder / "no such folder"));
}

// A whole save that cannot be written keeps every old setting (never a mix)
// and the user hears of it once.
TEST(IniProfileFileTest, ASaveThatCannotBeWrittenKeepsTheOldFileAndIsToldOnce) {
  ScratchFolder folder;
  WriteFileText(folder / "TAVRX.INI", "[Misc]\nUse Tray=No\n");
  std::filesystem::create_directory(folder / "TAVRX.INI.NEW");  // the replacement cannot be written
  IniProfileFile profile(folder / "TAVRX.INI");
  Configuration configuration;
  configuration.useTray = true;
  test_support::SimWorld world;
  ConfigurationSaving saving;
  EXPECT_FALSE(saving.Save(configuration, profile, world.ui));
  EXPECT_FALSE(saving.Save(configuration, profile, world.ui));
  EXPECT_EQ(ReadFileText(folder / "TAVRX.INI"), "[Misc]\nUse Tray=No\n");
  EXPECT_EQ(world.Messages().size(), 1u);
  std::filesystem::remove(folder / "TAVRX.INI.NEW");
  EXPECT_TRUE(saving.Save(configuration, profile, world.ui));
  EXPECT_EQ(profile.GetString("Misc", "Use Tray", ""), "Yes");
}

}  // namespace
}  // namespace tavrix
