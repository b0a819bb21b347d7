// The configuration on the real profile functions: the Windows binding reads
// and writes, the portable INI reader agrees with the system's own reader on
// the same file, and the configuration file's folder is chosen and prepared.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/config/config_location.h"
#include "shell/config/configuration.h"
#include "shell/config/ini_profile_file.h"
#include "shell/config/win32/config_location_win32.h"
#include "shell/config/win32/win_profile_file.h"

namespace tavrix {
namespace {

class ConfigWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = JoinWindowsPath(temp, "tvx" + std::to_string(GetCurrentProcessId()) + "-" + test->name());
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(JoinWindowsPath(folder_, "*.INI").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        DeleteFileA(JoinWindowsPath(folder_, found.cFileName).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder_.c_str());
  }
  std::string PathOf(const std::string& name) const { return JoinWindowsPath(folder_, name); }

  static void WriteRawFile(const std::string& path, const std::string& text) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
  }

  std::string folder_;
};

TEST_F(ConfigWin32Test, BindingReadsAndWritesThroughTheProfileFunctions) {
  WinProfileFile profile(PathOf("BINDING.INI"));
  EXPECT_EQ(profile.GetString("Misc", "Use Tray", "No"), "No") << "missing file gives the default";
  profile.WriteString("Misc", "Use Tray", "Yes");
  profile.WriteString("Capture", "Keys", "No");
  profile.WriteString("Misc", "Current File", std::string(600, 'x'));
  EXPECT_TRUE(WinFileExists(PathOf("BINDING.INI")));
  EXPECT_EQ(profile.GetString("MISC", "use tray", "No"), "Yes");
  EXPECT_EQ(profile.GetString("Capture", "Keys", "Yes"), "No");
  EXPECT_EQ(profile.GetString("Misc", "Current File", "").size(), 600u) << "a long value is read whole";
  EXPECT_EQ(profile.GetString("Misc", "Missing", "fallback"), "fallback");
}

// The same hand-written file read by the system and by the portable reader.
TEST_F(ConfigWin32Test, PortableReaderAgreesWithTheSystemReader) {
  const std::string path = PathOf("AGREE.INI");
  WriteRawFile(path,
               "Orphan=1\r\n"
               "[Misc]\r\n"
               "  Use Tray  =  yes  \r\n"
               "Wave File=\"C:\\A B.WAV\"\r\n"
               "Prefix Keys=';'\r\n"
               "Odd Quotes=\"x'\r\n"
               "Nested=\"''\"\r\n"
               "Other Nested='\"x\"'\r\n"
               "Inner Blanks=\"  x  \"\r\n"
               "Twice=first\r\n"
               "twice=second\r\n"
               "Empty=\r\n"
               ";Comment=1\r\n"
               "\r\n"
               "[ capture ]\r\n"
               "Keys=No\r\n"
               "[misc]\r\n"
               "Later=1\r\n");
  WinProfileFile system(path);
  IniProfileFile portable(path);
  const char* lookups[][2] = {{"Misc", "Use Tray"},   {"MISC", "wave file"}, {"Misc", "Prefix Keys"},
                              {"Misc", "Odd Quotes"}, {"Misc", "Twice"},     {"Misc", "Empty"},
                              {"Misc", "Nested"},     {"Misc", "Other Nested"}, {"Misc", "Inner Blanks"},
                              {"Capture", "Keys"},    {"Misc", "Orphan"},    {"Misc", "Nothing"}};
  for (const auto& lookup : lookups) {
    EXPECT_EQ(portable.GetString(lookup[0], lookup[1], "<default>"), system.GetString(lookup[0], lookup[1], "<default>"))
        << "[" << lookup[0] << "] " << lookup[1];
  }
}

// A configuration saved through the system functions loads through the
// portable reader and the other way round.
TEST_F(ConfigWin32Test, ConfigurationCrossesBetweenSystemAndPortableFiles) {
  Configuration changed;
  changed.useTray = true;
  changed.primarySort = "321";
  changed.lastFiles[2] = "D:\\MACROS\\C.TVX";
  changed.gridFont = {-16777208, "Courier New", 9, true, false, true, false};
  changed.timerSeconds = 45;
  changed.prefixKeys = "''";
  changed.waveFile = "'bell'";
  changed.currentFile = "D:\\MACROS\\WORK.TVX";
  const auto anyFile = [](const std::string&) { return true; };

  WinProfileFile systemFile(PathOf("SYSTEM.INI"));
  changed.Save(systemFile);
  IniProfileFile portableReader(PathOf("SYSTEM.INI"));
  Configuration loaded;
  loaded.Load(portableReader, "C:\\TAVRIX", anyFile);
  EXPECT_TRUE(loaded == changed) << "saved by the system, loaded by the portable reader";

  IniProfileFile portableFile(PathOf("PORTABLE.INI"));
  changed.Save(portableFile);
  WinProfileFile systemReader(PathOf("PORTABLE.INI"));
  loaded = Configuration{};
  loaded.Load(systemReader, "C:\\TAVRIX", anyFile);
  EXPECT_TRUE(loaded == changed) << "saved by the portable writer, loaded by the system";

  portableReader.WriteString("Network", "Sync Minutes", "33");
  EXPECT_EQ(systemFile.GetString("Network", "Sync Minutes", ""), "33") << "the system sees a change made beside it";
}

TEST_F(ConfigWin32Test, CurrentFileCheckUsesTheRealFileSystem) {
  WinProfileFile profile(PathOf("CURRENT.INI"));
  profile.WriteString("Misc", "Current File", PathOf("CURRENT.INI"));
  Configuration loaded;
  loaded.Load(profile, "C:\\TAVRIX", WinFileExists);
  EXPECT_EQ(loaded.currentFile, PathOf("CURRENT.INI")) << "an existing file is kept";
  profile.WriteString("Misc", "Current File", PathOf("GONE.TVX"));
  loaded.Load(profile, "C:\\TAVRIX", WinFileExists);
  EXPECT_EQ(loaded.currentFile, "C:\\TAVRIX\\TAVRX.TVX");
}

TEST_F(ConfigWin32Test, ConfigurationFileGoesToAWritableWindowsFolder) {
  EXPECT_TRUE(FolderIsWritable(folder_));
  EXPECT_FALSE(FolderIsWritable(PathOf("no such folder")));
  const std::string windowsFolder = WindowsFolder();
  ASSERT_FALSE(windowsFolder.empty());
  const std::string inAppData = JoinWindowsPath(AppDataFolder(), "Tavrix\\TAVRX.INI");
  const std::string path = PrepareConfigurationFile();
  if (FolderIsWritable(windowsFolder) && !WinFileExists(inAppData)) {
    EXPECT_EQ(path, JoinWindowsPath(windowsFolder, "TAVRX.INI"));
  } else {
    EXPECT_EQ(path, inAppData);
  }
}

}  // namespace
}  // namespace tavrix
