#include "shell/config/configuration.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "shell/config/ini_profile_file.h"
#include "shell/config/memory_profile_file.h"
#include "tests/support/scratch_folder.h"

namespace tavrix {
namespace {

using test_support::ScratchFolder;

const std::string kProgramFolder = "C:\\PROGRAM FILES\\TAVRIX";
const std::string kDefaultFile = "C:\\PROGRAM FILES\\TAVRIX\\TAVRX.TVX";

bool AnyFileExists(const std::string&) { return true; }
bool NoFileExists(const std::string&) { return false; }

Configuration LoadFrom(const std::string& iniText, const FileExistsFunction& fileExists = AnyFileExists) {
  MemoryProfileFile profile(iniText);
  Configuration configuration;
  configuration.Load(profile, kProgramFolder, fileExists);
  return configuration;
}

// The file a default configuration writes: every section and key in order.
const std::string kDefaultFileText =
    "[Misc]\r\n"
    "System Menu=1\r\n"
    "Sort Header=Yes\r\n"
    "Primary Sort=123\r\n"
    "Activation Sort=123\r\n"
    "Scope Sort=12345\r\n"
    "Last Date Format=0\r\n"
    "Last Time Format=0\r\n"
    "Suppress Zeros In Date=Yes\r\n"
    "Suppress Zeros In Time=Yes\r\n"
    "Show Date=No\r\n"
    "Use Tray=No\r\n"
    "Disable Screen Saver=Yes\r\n"
    "Current File=C:\\PROGRAM FILES\\TAVRIX\\TAVRX.TVX\r\n"
    "Last File 1=\r\n"
    "Last File 2=\r\n"
    "Last File 3=\r\n"
    "Last File 4=\r\n"
    "Last File 5=\r\n"
    "\r\n"
    "[Capture]\r\n"
    "Double Alt=Yes\r\n"
    "Keys=Yes\r\n"
    "Mouse=Yes\r\n"
    "Relative To Screen=Yes\r\n"
    "Time=Yes\r\n"
    "Prompt=Yes\r\n"
    "Window Size=Yes\r\n"
    "Global=Yes\r\n"
    "Speed=1\r\n"
    "\r\n"
    "[Wordlets]\r\n"
    "Solitary Usage=No\r\n"
    "Case Sensative=Yes\r\n"
    "Use Suffix=No\r\n"
    "Prefix Keys=\r\n"
    "\r\n"
    "[Main Window]\r\n"
    "Width=640\r\n"
    "Height=424\r\n"
    "Left=0\r\n"
    "Top=0\r\n"
    "Col 1 Width=112\r\n"
    "Col 2 Width=168\r\n"
    "Col 3 Width=132\r\n"
    "Use Speed=No\r\n"
    "\r\n"
    "[Grid Title Font]\r\n"
    "Color=0\r\n"
    "Font Name=Arial\r\n"
    "Size=12\r\n"
    "Bold=No\r\n"
    "Italic=No\r\n"
    "Underline=No\r\n"
    "Strikeout=No\r\n"
    "\r\n"
    "[Grid Font]\r\n"
    "Color=0\r\n"
    "Font Name=Arial\r\n"
    "Size=10\r\n"
    "Bold=No\r\n"
    "Italic=No\r\n"
    "Underline=No\r\n"
    "Strikeout=No\r\n"
    "\r\n"
    "[Script Page]\r\n"
    "Width=606\r\n"
    "Height=446\r\n"
    "Left=0\r\n"
    "Top=0\r\n"
    "\r\n"
    "[Network]\r\n"
    "Network Mode=No\r\n"
    "Auto Sync=Yes\r\n"
    "Sync Minutes=10\r\n"
    "\r\n"
    "[Print List Font]\r\n"
    "Color=0\r\n"
    "Font Name=Arial\r\n"
    "Size=10\r\n"
    "Bold=No\r\n"
    "Italic=No\r\n"
    "\r\n"
    "[Scheduler]\r\n"
    "Use Wave File=No\r\n"
    "Wave File Wait=No\r\n"
    "Wave File=\r\n"
    "Timer Seconds=10\r\n";

// Every field away from its default, so a round trip shows each one.
Configuration EveryFieldChanged() {
  Configuration c;
  c.systemMenu = 3;
  c.sortHeader = false;
  c.primarySort = "213";
  c.activationSort = "312";
  c.scopeSort = "54321";
  c.lastDateFormat = 7;
  c.lastTimeFormat = 4;
  c.suppressZerosInDate = false;
  c.suppressZerosInTime = false;
  c.showDate = true;
  c.useTray = true;
  c.disableScreenSaver = false;
  c.currentFile = "D:\\MACROS\\WORK.TVX";
  c.lastFiles = {"D:\\A.TVX", "", "D:\\C.TVX", "D:\\D D\\D.TVX", "E:\\E.TVX"};
  c.captureDoubleAlt = false;
  c.captureKeys = false;
  c.captureMouse = false;
  c.captureRelativeToScreen = false;
  c.captureTime = false;
  c.capturePrompt = false;
  c.captureWindowSize = false;
  c.captureGlobal = false;
  c.captureSpeed = 4;
  c.solitaryUsage = true;
  c.caseSensitive = false;
  c.useSuffix = true;
  c.prefixKeys = ";;";
  c.mainWindow = {800, 600, -4, 25};
  c.columnWidths = {90, 200, 150};
  c.useSpeed = true;
  c.gridTitleFont = {255, "Courier New", 14, true, false, true, false};
  c.gridFont = {-16777208, "Times New Roman", 9, false, true, false, true};
  c.scriptPage = {700, 500, 10, 20};
  c.networkMode = true;
  c.autoSync = false;
  c.syncMinutes = 98;
  c.printListFont = {65280, "Verdana", 11, true, true, false, false};
  c.useWaveFile = true;
  c.waveFileWait = true;
  c.waveFile = "C:\\WINDOWS\\MEDIA\\DING.WAV";
  c.timerSeconds = 60;
  return c;
}

TEST(ConfigurationTest, MissingFileGivesEveryDefaultAndTheDefaultMacroFile) {
  ScratchFolder folder;
  IniProfileFile profile(folder / "TAVRX.INI");
  Configuration loaded = EveryFieldChanged();
  loaded.Load(profile, kProgramFolder, NoFileExists);

  Configuration expected;
  expected.currentFile = kDefaultFile;
  EXPECT_EQ(loaded, expected);
  EXPECT_EQ(loaded.gridTitleFont.size, 12);
  EXPECT_EQ(loaded.gridFont.size, 10);
  EXPECT_FALSE(std::filesystem::exists(folder / "TAVRX.INI")) << "loading writes nothing";
}

TEST(ConfigurationTest, SaveWritesEveryKeyInFileOrder) {
  MemoryProfileFile profile;
  Configuration defaults;
  defaults.currentFile = kDefaultFile;
  defaults.Save(profile);
  EXPECT_EQ(profile.Text(), kDefaultFileText);
}

TEST(ConfigurationTest, SaveThenLoadGivesTheSameValuesThroughAFileOnDisk) {
  ScratchFolder folder;
  const Configuration saved = EveryFieldChanged();
  {
    IniProfileFile profile(folder / "TAVRX.INI");
    saved.Save(profile);
  }
  IniProfileFile profile(folder / "TAVRX.INI");
  Configuration loaded;
  loaded.Load(profile, kProgramFolder, AnyFileExists);
  EXPECT_EQ(loaded, saved);

  // Saving again over the existing file changes nothing in it.
  const std::string firstText = test_support::ReadFileText(folder / "TAVRX.INI");
  loaded.Save(profile);
  EXPECT_EQ(test_support::ReadFileText(folder / "TAVRX.INI"), firstText);
}

TEST(ConfigurationTest, SaveKeepsTheUsersOwnSectionsAndKeys) {
  MemoryProfileFile profile("; mine\r\n[Misc]\r\nUse Tray=Yes\r\nMy Key=1\r\n\r\n[Mine]\r\nA=B\r\n");
  Configuration configuration;
  configuration.Load(profile, kProgramFolder, AnyFileExists);
  configuration.Save(profile);
  const std::string text = profile.Text();
  // Existing keys stay where they were; the missing ones follow them.
  EXPECT_EQ(text.rfind("; mine\r\n[Misc]\r\nUse Tray=Yes\r\nMy Key=1\r\nSystem Menu=1\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\r\n\r\n[Mine]\r\nA=B\r\n\r\n[Capture]\r\n"), std::string::npos) << text;
}

TEST(ConfigurationTest, YesIsTrueInAnyCaseAndNothingElseIs) {
  EXPECT_TRUE(LoadFrom("[Misc]\nUse Tray=yes\n").useTray);
  EXPECT_TRUE(LoadFrom("[Misc]\nUse Tray=YES\n").useTray);
  EXPECT_TRUE(LoadFrom("[Misc]\nUse Tray=  yEs  \n").useTray);
  EXPECT_FALSE(LoadFrom("[Misc]\nUse Tray=True\n").useTray);
  EXPECT_FALSE(LoadFrom("[Misc]\nUse Tray=1\n").useTray);
  EXPECT_FALSE(LoadFrom("[Misc]\nUse Tray=Y\n").useTray);
  // A key that defaults to Yes is false for any stored text but "yes", even an empty one.
  EXPECT_FALSE(LoadFrom("[Capture]\nKeys=True\n").captureKeys);
  EXPECT_FALSE(LoadFrom("[Capture]\nKeys=\n").captureKeys);
  EXPECT_TRUE(LoadFrom("[Capture]\nMouse=No\n").captureKeys) << "missing key keeps its default";
}

TEST(ConfigurationTest, TimerSecondsOutsideOneToSixtyBecomesTen) {
  EXPECT_EQ(LoadFrom("[Scheduler]\nTimer Seconds=0\n").timerSeconds, 10);
  EXPECT_EQ(LoadFrom("[Scheduler]\nTimer Seconds=61\n").timerSeconds, 10);
  EXPECT_EQ(LoadFrom("[Scheduler]\nTimer Seconds=90\n").timerSeconds, 10);
  EXPECT_EQ(LoadFrom("[Scheduler]\nTimer Seconds=-5\n").timerSeconds, 10);
  EXPECT_EQ(LoadFrom("[Scheduler]\nTimer Seconds=60\n").timerSeconds, 60);
  EXPECT_EQ(LoadFrom("[Scheduler]\nTimer Seconds=1\n").timerSeconds, 1);
}

TEST(ConfigurationTest, CurrentFileFallsBackToTheDefaultWhenEmptyOrGone) {
  const std::string stored = "[Misc]\nCurrent File=D:\\Gone\\OLD.TVX\n";
  EXPECT_EQ(LoadFrom(stored, AnyFileExists).currentFile, "D:\\Gone\\OLD.TVX");
  EXPECT_EQ(LoadFrom(stored, NoFileExists).currentFile, kDefaultFile);
  EXPECT_EQ(LoadFrom("[Misc]\nCurrent File=\n", AnyFileExists).currentFile, kDefaultFile);

  // The check asks about the stored file (not the default) and happens once loading is done.
  std::vector<std::string> asked;
  const Configuration loaded = LoadFrom(stored, [&](const std::string& path) {
    asked.push_back(path);
    return false;
  });
  EXPECT_EQ(asked, std::vector<std::string>{"D:\\Gone\\OLD.TVX"});
  EXPECT_EQ(loaded.currentFile, kDefaultFile);
}

TEST(ConfigurationTest, RecentFilesAreReadInOrderWithGaps) {
  const Configuration loaded = LoadFrom("[Misc]\nLast File 3=C:\\THREE.TVX\nLast File 1=C:\\ONE.TVX\nLast File 6=X\n");
  const std::array<std::string, 5> expected{"C:\\ONE.TVX", "", "C:\\THREE.TVX", "", ""};
  EXPECT_EQ(loaded.lastFiles, expected);
}

TEST(ConfigurationTest, OverLongTextsAreCutToTheirCapacityOnLoadAndSave) {
  const std::string longPath = "C:\\" + std::string(300, 'x') + ".TVX";
  const Configuration loaded = LoadFrom("[Misc]\nCurrent File=" + longPath + "\nLast File 1=" + longPath +
                                        "\n[Wordlets]\nPrefix Keys=;;;;\n[Scheduler]\nWave File=" + longPath + "\n");
  EXPECT_EQ(loaded.currentFile, longPath.substr(0, 250));
  EXPECT_EQ(loaded.lastFiles[0], longPath.substr(0, 255));
  EXPECT_EQ(loaded.waveFile, longPath.substr(0, 250));
  EXPECT_EQ(loaded.prefixKeys, ";;");
  EXPECT_EQ(LoadFrom("[Wordlets]\nPrefix Keys=; x\n").prefixKeys, ";") << "no blank left at the end of a cut";

  Configuration tooLong;
  tooLong.currentFile = longPath;
  tooLong.lastFiles[4] = longPath;
  tooLong.prefixKeys = "abc";
  tooLong.gridFont.name = std::string(40, 'F');
  MemoryProfileFile profile;
  tooLong.Save(profile);
  const std::string text = profile.Text();
  EXPECT_NE(text.find("Current File=" + longPath.substr(0, 250) + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("Last File 5=" + longPath.substr(0, 255) + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("Prefix Keys=ab\r\n"), std::string::npos);
  EXPECT_NE(text.find("Font Name=" + std::string(31, 'F') + "\r\n"), std::string::npos);

  EXPECT_EQ(DefaultMacroFile(std::string(260, 'p')).size(), 250u);
}

TEST(ConfigurationTest, ValuesThatDoNotReadGetTheirDefaults) {
  const Configuration loaded = LoadFrom(
      "[Misc]\nSystem Menu=two\nPrimary Sort=112\nActivation Sort=1234\nScope Sort=54312\nLast Date Format=3x\n"
      "[Capture]\nSpeed=9\n"
      "[Main Window]\nWidth=12px\nHeight=\nLeft=-30\nTop=+15\nCol 1 Width=99999999999\nCol 2 Width=-1\n"
      "[Grid Title Font]\nColor=red\nFont Name=\nSize=0\n"
      "[Grid Font]\nColor=-16777208\nSize=1 1\n"
      "[Network]\nSync Minutes=-1\n"
      "[Scheduler]\nTimer Seconds=ten\n");
  Configuration expected;
  expected.currentFile = loaded.currentFile;
  expected.scopeSort = "54312";       // a valid order
  expected.mainWindow.left = -30;     // a window may sit left of the screen
  expected.mainWindow.top = 15;
  expected.gridFont.color = -16777208;  // a system colour
  EXPECT_EQ(loaded, expected);
}

// The profile functions drop one pair of enclosing quotes when reading, so a
// value that is itself enclosed in quotes must be written with another pair.
TEST(ConfigurationTest, ValuesEnclosedInQuotesSurviveARoundTrip) {
  Configuration saved;
  saved.prefixKeys = "''";  // two apostrophes: a valid prefix
  saved.lastFiles[0] = "\"D:\\QUOTED.TVX\"";
  saved.lastFiles[1] = "'";
  saved.waveFile = "'bell'";
  MemoryProfileFile profile;
  saved.Save(profile);
  Configuration loaded;
  loaded.Load(profile, kProgramFolder, AnyFileExists);
  EXPECT_EQ(loaded.prefixKeys, "''");
  EXPECT_EQ(loaded.lastFiles[0], "\"D:\\QUOTED.TVX\"");
  EXPECT_EQ(loaded.lastFiles[1], "'");
  EXPECT_EQ(loaded.waveFile, "'bell'");
  EXPECT_NE(profile.Text().find("Prefix Keys=\"''\"\r\n"), std::string::npos) << profile.Text();
}

struct WrittenValue {
  const char* section;
  const char* key;
  const char* value;
};

// Every value an options dialog (or the list, or the program at shutdown)
// can write reads back as written.
TEST(ConfigurationTest, EveryValueTheProgramCanWriteReadsBackAsWritten) {
  const WrittenValue values[] = {
      {"Network", "Sync Minutes", "0"},           // the network dialog: automatic synchronisation off
      {"Network", "Sync Minutes", "1"},
      {"Network", "Sync Minutes", "99"},
      {"Network", "Sync Minutes", "999"},
      {"Misc", "System Menu", "3"},               // system hot keys dialog: 1..3
      {"Misc", "Last Date Format", "11"},         // date and time dialogs
      {"Misc", "Last Time Format", "7"},
      {"Misc", "Primary Sort", "321"},            // sort order dialog and header clicks
      {"Misc", "Activation Sort", "312"},
      {"Misc", "Scope Sort", "54321"},
      {"Capture", "Speed", "4"},                  // capture defaults: 1..4
      {"Wordlets", "Prefix Keys", "#;"},          // Wordlet options: 2 characters of the Wordlet set
      {"Main Window", "Col 1 Width", "1"},        // appearance dialog: any positive width
      {"Main Window", "Col 3 Width", "5000"},
      {"Main Window", "Left", "-1200"},           // a window on a monitor left of the main one
      {"Main Window", "Width", "3840"},
      {"Grid Font", "Size", "72"},                // font dialogs
      {"Grid Title Font", "Color", "-2147483643"},  // a system colour
      {"Print List Font", "Size", "6"},
      {"Scheduler", "Timer Seconds", "60"},       // timer interval dialog: 1..60
      {"Scheduler", "Timer Seconds", "1"},
  };
  for (const WrittenValue& v : values) {
    MemoryProfileFile profile;
    profile.WriteString(v.section, v.key, v.value);
    Configuration loaded;
    loaded.Load(profile, kProgramFolder, AnyFileExists);
    MemoryProfileFile saved;
    loaded.Save(saved);
    EXPECT_EQ(saved.GetString(v.section, v.key, "missing"), v.value) << v.section << " / " << v.key;
  }
}

TEST(ConfigurationTest, PrintFontHasOnlyBoldAndItalic) {
  const Configuration loaded =
      LoadFrom("[Print List Font]\nBold=Yes\nItalic=yes\nUnderline=Yes\nStrikeout=Yes\nSize=8\nFont Name=Courier\n");
  EXPECT_EQ(loaded.printListFont, (FontSettings{0, "Courier", 8, true, true, false, false}));

  MemoryProfileFile profile;
  Configuration withStyles;
  withStyles.printListFont.underline = true;
  withStyles.Save(profile);
  EXPECT_EQ(profile.Text().find("[Print List Font]\r\nColor=0\r\nFont Name=Arial\r\nSize=10\r\nBold=No\r\nItalic=No\r\n\r\n"
                                "[Scheduler]"),
            profile.Text().find("[Print List Font]"));
}

TEST(ConfigurationTest, AnyBytesLoadIntoValuesWithinTheirRangesAndSaveBackTheSame) {
  std::mt19937 random(12345);
  const std::string pieces[] = {"[Misc]", "[Scheduler]", "[Network]", "[Capture]", "[Grid Font]", "=", "\r\n",
                                "\n",     "Timer Seconds", "Sync Minutes", "System Menu", "Speed", "Size",
                                "Primary Sort", "Prefix Keys", "Wave File", "-", "9", "0", "\"", "'", ";", "[", "]", "\x00", "\xff", " "};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int count = static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) {
      if (random() % 3 == 0) {
        text += static_cast<char>(random() % 256);
      } else {
        text += pieces[random() % std::size(pieces)];
      }
    }
    const Configuration loaded = LoadFrom(text);
    ASSERT_GE(loaded.timerSeconds, 1) << text;
    ASSERT_LE(loaded.timerSeconds, 60) << text;
    ASSERT_GE(loaded.syncMinutes, 0) << text;
    ASSERT_GE(loaded.systemMenu, 1) << text;
    ASSERT_LE(loaded.systemMenu, 3) << text;
    ASSERT_GE(loaded.captureSpeed, 1) << text;
    ASSERT_LE(loaded.captureSpeed, 4) << text;
    ASSERT_GE(loaded.gridFont.size, 1) << text;
    ASSERT_FALSE(loaded.gridFont.name.empty()) << text;
    ASSERT_EQ(std::multiset<char>(loaded.primarySort.begin(), loaded.primarySort.end()),
              (std::multiset<char>{'1', '2', '3'}))
        << text;
    ASSERT_FALSE(loaded.currentFile.empty()) << text;

    // Saving into that same file and loading again must give the same settings.
    MemoryProfileFile profile(text);
    Configuration first;
    first.Load(profile, kProgramFolder, AnyFileExists);
    first.Save(profile);
    Configuration second;
    second.Load(profile, kProgramFolder, AnyFileExists);
    ASSERT_TRUE(first == second) << text << "\n---- saved as ----\n" << profile.Text();
  }
}

}  // namespace
}  // namespace tavrix
