// The tavrix play command, called through its registration.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/tavrix/command.h"
#include "store/macro_record.h"

namespace tavrix::tool {

// The tool's main() owns the command table; this test program stands in.
std::map<std::string, CommandInfo>& Commands() {
  static std::map<std::string, CommandInfo> commands;
  return commands;
}

namespace {

struct Result {
  int code;
  std::string out;
  std::string err;
};

Result RunPlay(const Arguments& arguments) {
  std::ostringstream out, err;
  const int code = Commands().at("play").run(arguments, out, err);
  return {code, out.str(), err.str()};
}

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "tavrix_play_" + name;
}

TEST(PlayCommand, PrintsOneEventPerLine) {
  const Result r = RunPlay({"--text", "A<DELAY:00.25><LCLK><BEGCLIP>x\ty<ENDCLIP>"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "key 16 down\nkey 65 down\nkey 65 up\nkey 16 up\nwait 250\nmouse 2 0 0 0\nmouse 4 0 0 0\n"
            "clipboard x\\ty\nwait 50\n");
  EXPECT_EQ(r.err, "");
}

TEST(PlayCommand, CapsFlagPressesCapsLockBeforeAndAfter) {
  const Result r = RunPlay({"--caps", "--text", "a"});
  EXPECT_EQ(r.out, "key 20 down\nkey 20 up\nkey 65 down\nkey 65 up\nkey 20 down\nkey 20 up\n");
}

TEST(PlayCommand, AnswersPausesAndPrompts) {
  EXPECT_EQ(RunPlay({"--answer", "abort", "--text", "<PAUSE>a"}).out, "form TPauseMacro \"Pause (Ctrl+A)\" at 400,337\n");
  EXPECT_EQ(RunPlay({"--text", "<PAUSE:010,020Go on>a"}).out, "form TPauseMacro \"Pause (Ctrl+A)\" at 20,10\nkey 65 down\nkey 65 up\n");
  EXPECT_EQ(RunPlay({"--repeat", "2", "--text", "<PROMPTREP>b<ENDREP>"}).out,
            "form TRepeatPrompt \"Macro Repeat\"\nkey 66 down\nkey 66 up\nkey 66 down\nkey 66 up\n");
}

TEST(PlayCommand, PlaysATextFile) {
  const std::string path = TempPath("text.txt");
  std::ofstream(path, std::ios::binary) << "z<ENTER>";
  EXPECT_EQ(RunPlay({"--text-file", path}).out, "key 90 down\nkey 90 up\nkey 13 down\nkey 13 up\n");
  std::remove(path.c_str());
}

TEST(PlayCommand, TextFileTagsReadRealFiles) {
  const std::string path = TempPath("inner.txt");
  std::ofstream(path, std::ios::binary) << "q";
  EXPECT_EQ(RunPlay({"--text", "<TFILE:" + path + ">"}).out, "key 81 down\nkey 81 up\n");
  std::remove(path.c_str());
}

TEST(PlayCommand, PlaysAMacroOfAMacroFile) {
  const std::string path = TempPath("macros.tvx");
  MacroRecord first, second;
  first.SetMacroText("one");
  second.SetNickName("Second");
  second.SetActivation(5);
  second.SetMacroText("<PAUSE>2");
  {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(first.bytes().data()), kMacroRecordSize);
    file.write(reinterpret_cast<const char*>(second.bytes().data()), kMacroRecordSize);
  }
  const Result r = RunPlay({"--file", path, "--macro", "2"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "form TPauseMacro \"Pause (Ctrl+F)\" at 400,337\nkey 50 down\nkey 50 up\n");
  const Result missing = RunPlay({"--file", path, "--macro", "3"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("holds no macro 3"), std::string::npos);
  std::remove(path.c_str());
}

TEST(PlayCommand, RefusesAPopupMenuMacro) {
  const std::string path = TempPath("popup.tvx");
  MacroRecord popup;
  popup.SetScope(kScopePopupMenu);
  popup.SetPopupMenuList({1, 2});
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(popup.bytes().data()), kMacroRecordSize);
  const Result r = RunPlay({"--file", path, "--macro", "1"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("popup menu"), std::string::npos);
  std::remove(path.c_str());
}

TEST(PlayCommand, BadArgumentsGiveOneErrorLineAndExitCodeOne) {
  const std::vector<Arguments> bad = {
      {},
      {"--caps"},
      {"--text"},
      {"--text", "a", "--text-file", "b"},
      {"--file", "x.tvx"},
      {"--macro", "1", "--text", "a"},
      {"--file", "x.tvx", "--macro", "0"},
      {"--now", "2024-02-30 10:00:00", "--text", "a"},
      {"--now", "yesterday", "--text", "a"},
      {"--answer", "maybe", "--text", "a"},
      {"--repeat", "-1", "--text", "a"},
      {"--repeat", "65536", "--text", "a"},
      {"--bogus", "--text", "a"},
      {"--text-file", "/nonexistent/dir/file.txt"},
      {"--file", "/nonexistent/dir/file.tvx", "--macro", "1"},
      {"--text", std::string(5001, 'a')},
  };
  for (const auto& arguments : bad) {
    const Result r = RunPlay(arguments);
    std::string joined;
    for (const auto& a : arguments) joined += a.substr(0, 20) + " ";
    EXPECT_EQ(r.code, 1) << joined;
    EXPECT_EQ(r.out, "") << joined;
    ASSERT_FALSE(r.err.empty()) << joined;
    EXPECT_EQ(r.err.rfind("tavrix play: ", 0), 0u) << joined;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << joined;
  }
}

TEST(PlayCommand, AcceptsAFullLengthText) {
  const Result r = RunPlay({"--text", std::string(5000, 'a')});
  EXPECT_EQ(r.code, 0);
}

TEST(PlayCommand, NowSetsTheClockForDateTags) {
  const Result r = RunPlay({"--now", "1998-03-05 13:05:00", "--text", "<YY{NF000}>"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "key 57 down\nkey 57 up\nkey 56 down\nkey 56 up\n");
}

TEST(PlayCommand, OtherCommandsPrintTheirActions) {
  const Result r = RunPlay({"--text", "<HTTP:www.example.com><WAV2:ding.wav><BEEP><DELFILE:old.txt><SWAP:other.tvx>"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "open www.example.com\nsound ding.wav nowait\nbeep\ndelete old.txt\nswap other.tvx\n");
}

}  // namespace
}  // namespace tavrix::tool
