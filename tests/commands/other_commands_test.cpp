#include "playback/other_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "command_playback.h"
#include "tests/support/scratch_folder.h"

namespace tavrix {
namespace {

using Lines = std::vector<std::string>;
constexpr int kKeyA = 65;
constexpr int kShift = 16;
constexpr int kSlash = 191;  // "/" on the US layout

class OtherCommandsTest : public ::testing::Test, public CommandPlayback {
 protected:
  void SetUp() override { desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE"); }
};

TEST_F(OtherCommandsTest, WebAddressesOpenWithTheirProgram) {
  Play("<HTTP:www.example.com/index.html><FTP:ftp.example.com>a");
  EXPECT_EQ(Actions(), (Lines{"open www.example.com/index.html", "open ftp.example.com"}));
  EXPECT_TRUE(Typed(kKeyA));
}

TEST_F(OtherCommandsTest, SoundsAndBeep) {
  Play("<WAV1:c:\\sounds\\ding.wav><WAV2:chime.wav><BEEP>");
  EXPECT_EQ(Actions(), (Lines{"sound c:\\sounds\\ding.wav wait", "sound chime.wav nowait", "beep"}));
}

TEST_F(OtherCommandsTest, FileCommandsChangeTheFiles) {
  desktop.AddFile("a.txt", "first");
  desktop.AddFile("b.txt", "second");
  desktop.AddFile("old.txt", "old");
  Play("<COPYFILE:a.txt;b.txt><RENFILE:old.txt;new.txt><DELFILE:a.txt>a");
  EXPECT_EQ(Actions(), (Lines{"copy a.txt b.txt", "rename old.txt new.txt", "delete a.txt"}));
  EXPECT_EQ(desktop.File("b.txt"), "first");  // overwritten
  EXPECT_EQ(desktop.File("new.txt"), "old");
  EXPECT_EQ(desktop.File("old.txt"), std::nullopt);
  EXPECT_EQ(desktop.File("a.txt"), std::nullopt);
  EXPECT_TRUE(Typed(kKeyA));
  Play("<CHDIR:c:\\work>");
  EXPECT_EQ(Actions(), (Lines{"chdir c:\\work"}));
  EXPECT_EQ(desktop.CurrentFolder(), "c:\\work");
}

struct FileWorldCase {
  const char* name;
  const char* text;
  std::vector<int> typed;  // virtual keys pressed
};

// The files a macro copies, renames, deletes or changes folder to are the
// files it then reads.
class FileWorld : public ::testing::TestWithParam<FileWorldCase>, public CommandPlayback {};

TEST_P(FileWorld, ReadsSeeWhatTheFileCommandsDid) {
  desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  desktop.AddFile("a.txt", "x");
  desktop.AddFile("C:\\WORK\\t.txt", "y");
  Play(GetParam().text);
  EXPECT_EQ(KeysDown(), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileWorld,
    ::testing::Values(FileWorldCase{"ACopyPlays", "<COPYFILE:a.txt;b.txt><TFILE:b.txt>", {'X'}},
                      FileWorldCase{"ADeletedFileDoesNotPlay", "<DELFILE:a.txt><TFILE:a.txt>z", {'Z'}},
                      FileWorldCase{"ARenamedFilePlaysUnderItsNewName", "<RENFILE:a.txt;n.txt><TFILE:n.txt><TFILE:a.txt>",
                                    {'X'}},
                      FileWorldCase{"ARelativeNameIsInTheNewFolder", "<CHDIR:c:\\work><TFILE:t.txt><TFILE:a.txt>", {'Y'}},
                      FileWorldCase{"AFolderRelativeToTheCurrentOne", "<CHDIR:C:\\><CHDIR:work><TFILE:T.TXT>", {'Y'}},
                      FileWorldCase{"NamesInAnyCase", "<COPYFILE:A.TXT;C:\\Work\\B.txt><CHDIR:c:\\work><TFILE:b.TXT>", {'X'}}),
    [](const auto& info) { return std::string(info.param.name); });

// With the real files as the starting world (the tavrix tool), the real
// files are read but never changed.
TEST(FileWorldOnRealFiles, RealFilesAreReadAndNeverChanged) {
  test_support::ScratchFolder folder;
  { std::ofstream(folder.File("real.txt")) << "r"; }
  CommandPlayback playback;
  playback.desktop.SetReadsRealFiles(true);
  playback.Play("<CHDIR:" + folder.File("") + "><COPYFILE:real.txt;copy.txt><TFILE:copy.txt><DELFILE:real.txt>"
                "<TFILE:real.txt><RENFILE:copy.txt;moved.txt><TFILE:moved.txt>");
  EXPECT_EQ(playback.KeysDown(), (std::vector<int>{'R', 'R'}));
  EXPECT_TRUE(std::filesystem::exists(folder.File("real.txt")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("copy.txt")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("moved.txt")));
}

TEST_F(OtherCommandsTest, FailingFileCommandsAreSilentAndPlaybackGoesOn) {
  Play("<DELFILE:missing.txt><COPYFILE:missing.txt;x.txt><RENFILE:missing.txt;y.txt>a");
  EXPECT_TRUE(Typed(kKeyA));
  EXPECT_EQ(desktop.File("x.txt"), std::nullopt);
  EXPECT_EQ(desktop.File("y.txt"), std::nullopt);
  EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(OtherCommandsTest, ACopyOrRenameWithoutItsSecondFileDoesNothing) {
  desktop.AddFile("a.txt", "first");
  Play("<COPYFILE:a.txt><RENFILE:a.txt;>a");
  EXPECT_TRUE(Actions().empty());
  EXPECT_EQ(desktop.File("a.txt"), "first");
  EXPECT_TRUE(Typed(kKeyA));
}

TEST_F(OtherCommandsTest, ClipboardFileFillsTheClipboardWithoutItsCtrlZ) {
  desktop.AddFile("notes.txt", std::string("line one\r\nline <two>\x1a"));
  Play("<CLIPF:notes.txt><CLIPF:missing.txt>a");
  EXPECT_EQ(desktop.ClipboardText(), "line one\r\nline <two>");
  EXPECT_EQ(Elapsed(), 50);  // the clipboard's settling time, once
  EXPECT_TRUE(Typed(kKeyA));
}

TEST_F(OtherCommandsTest, SwapHandsThePathToTheMainWindowAndPlaybackGoesOn) {
  Play("<SWAP:c:\\macros\\other.tvx>a");
  EXPECT_EQ(swaps, Lines{"c:\\macros\\other.tvx"});
  EXPECT_TRUE(Typed(kKeyA));
}

TEST(OtherCommandsWithoutSwapHook, SwapDoesNothing) {
  SimDesktop desktop;
  DesktopPlaybackCommands commands(desktop);
  MacroElement swap;
  swap.kind = ElementKind::Swap;
  swap.text = "x.tvx";
  PlaybackState state;
  EXPECT_EQ(commands.Execute(swap, state), CommandOutcome::Continue);
  EXPECT_TRUE(desktop.Trace().Lines().empty());
}

TEST_F(OtherCommandsTest, TheDateIsTypedAsPlainCharacters) {
  desktop.SetClock(LocalDateTime{2024, 3, 5, 9, 7, 0, 0});
  Play("<MM/DD/YY{NF000}>");
  EXPECT_EQ(KeysDown(), (std::vector<int>{'3', kSlash, '5', kSlash, '2', '4'}));
  Play("<MM/DD/YY{YP005}>");  // 29 February 2024
  EXPECT_EQ(KeysDown(), (std::vector<int>{'0', '2', kSlash, '2', '9', kSlash, '2', '4'}));
  Play("<MMM{YF030}>");  // 4 April
  EXPECT_EQ(KeysDown(), (std::vector<int>{kShift, 'A', kShift, 'P', kShift, 'R'}));
}

TEST_F(OtherCommandsTest, TheTimeIsTypedAsPlainCharacters) {
  desktop.SetClock(LocalDateTime{2024, 3, 5, 13, 5, 9, 0});
  Play("<hh.mma{Y}>");
  EXPECT_EQ(KeysDown(), (std::vector<int>{'0', '1', 190, '0', '5', 'P'}));
}

TEST_F(OtherCommandsTest, DateCharactersWaitTheKeyDelayAndReleaseOneShotModifiers) {
  desktop.SetClock(LocalDateTime{2005, 6, 1, 12, 0, 0, 0});
  Play("<SPKEY:0010><SHIFT><YY{NF000}>");
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"key 16 down", "wait 10", "key 48 down", "key 48 up", "key 16 up",
                                            "wait 10", "key 53 down", "key 53 up"}));
}

TEST(OtherCommands, DateAndTimeTextsFollowTheDesktopClock) {
  SimDesktop desktop;
  desktop.SetClock(LocalDateTime{1998, 3, 5, 0, 7, 9, 0});
  OtherCommands commands(desktop);
  EXPECT_EQ(commands.DateTagText(23, true, 0), "05 MAR 1998");
  EXPECT_EQ(commands.DateTagText(23, false, 0), "5 MAR 1998");
  EXPECT_EQ(commands.TimeTagText(15, false), "12:07:09 am");
  EXPECT_EQ(commands.DateTagText(99, true, 0), "");
}

TEST(OtherCommands, LongPathsAreCutTo255Characters) {
  SimDesktop desktop;
  OtherCommands commands(desktop);
  commands.Delete(std::string(300, 'f'));
  EXPECT_EQ(desktop.Trace().Lines(), Lines{"delete " + std::string(255, 'f')});
}

}  // namespace
}  // namespace tavrix
