#include "shell/config/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

using Args = std::vector<std::string>;
using Switches = std::vector<CommandLineSwitch>;

CommandLineSwitch Plain(StartupSwitch kind) { return {kind, 0, {}}; }
CommandLineSwitch Minutes(int minutes) { return {StartupSwitch::SyncMinutes, minutes, {}}; }
CommandLineSwitch Load(const std::string& path) { return {StartupSwitch::LoadFile, 0, path}; }

TEST(CommandLineTest, PlainSwitchesInAnyCase) {
  EXPECT_EQ(ParseCommandLine({"/HIDE", "/B", "/BA", "/S", "/N"}),
            (Switches{Plain(StartupSwitch::Hide), Plain(StartupSwitch::Browse), Plain(StartupSwitch::LockedBrowse),
                      Plain(StartupSwitch::AutoSync), Plain(StartupSwitch::NetworkMode)}));
  EXPECT_EQ(ParseCommandLine({"/hide"}), Switches{Plain(StartupSwitch::Hide)});
  EXPECT_EQ(ParseCommandLine({"/Ba", "/n"}),
            (Switches{Plain(StartupSwitch::LockedBrowse), Plain(StartupSwitch::NetworkMode)}));
}

TEST(CommandLineTest, AnythingElseIsIgnored) {
  EXPECT_EQ(ParseCommandLine({"", "hello", "/X", "/HIDDEN", "/HIDEX", "/S5", "-HIDE", "HIDE", "/", "12"}),
            Switches{});
  EXPECT_EQ(ParseCommandLine({}), Switches{});
}

TEST(CommandLineTest, SyncMinutesTakesANumberFromOneToNinetyEight) {
  EXPECT_EQ(ParseCommandLine({"/SM", "98"}), Switches{Minutes(98)});
  EXPECT_EQ(ParseCommandLine({"/SM", "1"}), Switches{Minutes(1)});
  EXPECT_EQ(ParseCommandLine({"/SM", "0"}), Switches{});
  EXPECT_EQ(ParseCommandLine({"/SM", "99"}), Switches{});
  EXPECT_EQ(ParseCommandLine({"/SM", "-5"}), Switches{});
  EXPECT_EQ(ParseCommandLine({"/SM", "ten"}), Switches{});
  EXPECT_EQ(ParseCommandLine({"/SM"}), Switches{});
  EXPECT_EQ(ParseCommandLine({"/sm", "05"}), Switches{Minutes(5)});
}

TEST(CommandLineTest, SyncMinutesMayBeWrittenRightAfterTheSwitch) {
  EXPECT_EQ(ParseCommandLine({"/SM5"}), Switches{Minutes(5)});
  EXPECT_EQ(ParseCommandLine({"/sm98", "/S"}), (Switches{Minutes(98), Plain(StartupSwitch::AutoSync)}));
  EXPECT_EQ(ParseCommandLine({"/SM0", "7"}), Switches{}) << "an attached value does not take the next argument";
  EXPECT_EQ(ParseCommandLine({"/SMX"}), Switches{});
}

TEST(CommandLineTest, ASwitchIsNeverTakenAsTheValueOfTheOneBefore) {
  EXPECT_EQ(ParseCommandLine({"/SM", "/N"}), Switches{Plain(StartupSwitch::NetworkMode)});
  EXPECT_EQ(ParseCommandLine({"/F", "/HIDE"}), Switches{Plain(StartupSwitch::Hide)});
  // A value that is not a number is used up: it was meant for /SM.
  EXPECT_EQ(ParseCommandLine({"/SM", "HIDE", "/B"}), Switches{Plain(StartupSwitch::Browse)});
}

TEST(CommandLineTest, LoadFileCarriesTheUpperCasedPath) {
  EXPECT_EQ(ParseCommandLine({"/f", "c:\\Macros\\Work.tvx"}), Switches{Load("C:\\MACROS\\WORK.TVX")});
  EXPECT_EQ(ParseCommandLine({"/Fd:\\a b\\x.tvx"}), Switches{Load("D:\\A B\\X.TVX")});
  EXPECT_EQ(ParseCommandLine({"/F"}), Switches{});
  EXPECT_EQ(ParseCommandLine({"C:\\LOOSE.TVX"}), Switches{}) << "a path needs its /F";
}

TEST(CommandLineTest, KeepsCommandLineOrderSoLaterLoadsSeeEarlierModes) {
  EXPECT_EQ(ParseCommandLine({"/F", "A.TVX", "/N", "/SM", "3", "/F", "B.TVX", "/HIDE"}),
            (Switches{Load("A.TVX"), Plain(StartupSwitch::NetworkMode), Minutes(3), Load("B.TVX"),
                      Plain(StartupSwitch::Hide)}));
}

TEST(CommandLineTest, StartupModesCollectTheWholeRunModes) {
  EXPECT_EQ(StartupModesOf(ParseCommandLine({})), StartupModes{});
  EXPECT_EQ(StartupModesOf(ParseCommandLine({"/hide", "/B"})), (StartupModes{true, true, false}));
  EXPECT_EQ(StartupModesOf(ParseCommandLine({"/BA"})), (StartupModes{false, true, true}))
      << "locked browse is browse mode and more";
}

TEST(CommandLineTest, SyncSwitchesChangeTheSettingsAndNothingElseDoes) {
  Configuration configuration;
  configuration.autoSync = false;
  const Configuration before = configuration;
  for (const CommandLineSwitch& s : ParseCommandLine({"/HIDE", "/B", "/BA", "/F", "X.TVX", "/SM", "0", "/SM", "99"})) {
    EXPECT_FALSE(ApplyToConfiguration(s, configuration));
  }
  EXPECT_EQ(configuration, before) << "/SM 0 and 99 leave Sync Minutes alone";

  for (const CommandLineSwitch& s : ParseCommandLine({"/S", "/N", "/SM", "98"})) {
    EXPECT_TRUE(ApplyToConfiguration(s, configuration));
  }
  EXPECT_TRUE(configuration.autoSync);
  EXPECT_TRUE(configuration.networkMode);
  EXPECT_EQ(configuration.syncMinutes, 98);

  EXPECT_FALSE(ApplyToConfiguration(Minutes(0), configuration)) << "a hand-made out-of-range value is refused too";
  EXPECT_EQ(configuration.syncMinutes, 98);
}

// What the main window does with the list: a /F whose file is missing leaves
// the configured file in place, a later existing one wins.
TEST(CommandLineTest, LoadFileOfAMissingFileLeavesTheConfiguredFile) {
  const auto currentFileAfter = [](const Args& arguments, const std::string& existing) {
    std::string currentFile = "C:\\TAVRIX\\TAVRX.TVX";
    for (const CommandLineSwitch& s : ParseCommandLine(arguments)) {
      if (s.kind == StartupSwitch::LoadFile && s.path == existing) currentFile = s.path;
    }
    return currentFile;
  };
  EXPECT_EQ(currentFileAfter({"/F", "d:\\missing.tvx"}, "D:\\OTHER.TVX"), "C:\\TAVRIX\\TAVRX.TVX");
  EXPECT_EQ(currentFileAfter({"/F", "d:\\missing.tvx", "/F", "d:\\other.tvx"}, "D:\\OTHER.TVX"), "D:\\OTHER.TVX");
}

TEST(CommandLineTest, SplitsAWindowsCommandLineIntoWords) {
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\Tavrix\\TAVRXP.EXE\" /F \"D:\\My Macros\\A.TVX\" /hide"),
            (Args{"C:\\Program Files\\Tavrix\\TAVRXP.EXE", "/F", "D:\\My Macros\\A.TVX", "/hide"}));
  EXPECT_EQ(SplitCommandLine("  TAVRXP.EXE\t/SM   5 \r\n"), (Args{"TAVRXP.EXE", "/SM", "5"}));
  EXPECT_EQ(SplitCommandLine("P \"\" /B"), (Args{"P", "/B"})) << "an empty word is skipped";
  EXPECT_EQ(SplitCommandLine("P /Fa\" b\"c"), (Args{"P", "/Fa bc"})) << "quotes may sit inside a word";
  EXPECT_EQ(SplitCommandLine("P \"unclosed quote /B"), (Args{"P", "unclosed quote /B"}));
  EXPECT_EQ(SplitCommandLine("P caf\xe9"), (Args{"P", "caf\xe9"})) << "characters above 127 are not blanks";
  EXPECT_EQ(SplitCommandLine(""), Args{});
}

}  // namespace
}  // namespace tavrix
