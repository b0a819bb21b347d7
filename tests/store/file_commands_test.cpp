// The main window's file commands: remove, new, open, recent files.
#include <gtest/gtest.h>

#include <array>

#include "store/file_commands.h"
#include "store_test_support.h"
#include "tests/support/recording_listener.h"

namespace tavrix {
namespace {

using namespace testing_support;


struct CommandRig : StoreRig {
  test_support::RecordingListener listener;
  std::array<std::uint8_t, 93> swap{};
  MacroFileCommands commands{file, ui, listener, swap};
};

// Records 1..5 as in the example, then the three system activations the load
// appends (6..8).
class DoClearTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = folder.File("POPUPS.TVX");
    MacroRecord timed = HotKeyMacro("timed", kTimedActivation);
    WriteFile(path, {SystemMacro(1, "sys"), HotKeyMacro("two", 10), PopupMacro("menu A", 20, {2, 4, 5}),
                     PopupMacro("menu B", 21, {1, 5}), timed});
    rig.file.LoadFile(path);
    ASSERT_EQ(rig.index.Count(), 8);
    rig.trace.Clear();
  }
  ScratchFolder folder;
  std::string path;
  CommandRig rig;
};

TEST_F(DoClearTest, RemovingMacro2RenumbersEveryPopupMenu) {
  rig.ui.QueueYesNo(true);
  rig.ui.QueueYesNo(true);
  ASSERT_TRUE(rig.commands.DoClear(2));

  EXPECT_EQ(rig.Messages(), (std::vector<std::string>{
                                "question Delete: Are you sure you want to remove \"Ctrl+K\"?",
                                "question Delete: This macro is contained in a \"Popup Menu\".  It will be removed "
                                "from the \"Popup Menu\".  Are you sure you want to remove \"Ctrl+K\"?",
                            }));
  ASSERT_EQ(RecordsOnDisk(path), 7u);
  EXPECT_EQ(RecordOnDisk(path, 2).PopupMenuList(), (std::vector<std::uint16_t>{3, 4}));
  EXPECT_EQ(RecordOnDisk(path, 3).PopupMenuList(), (std::vector<std::uint16_t>{1, 4}));
  EXPECT_EQ(rig.index.Count(), 7);
  EXPECT_EQ(rig.index.NickName(2), "menu A");
  EXPECT_EQ(rig.hooks.copy().MacroCount(), 7);
  EXPECT_EQ(rig.listener.events,
            (std::vector<std::string>{"lock", "swap", "list", "select 2", "release changed"}));
}

TEST_F(DoClearTest, AnsweringNoChangesNothing) {
  const std::string before = ReadBytes(path);
  rig.ui.QueueYesNo(false);
  EXPECT_FALSE(rig.commands.DoClear(2));
  rig.ui.QueueYesNo(true);
  rig.ui.QueueYesNo(false);  // no to the popup-menu question
  EXPECT_FALSE(rig.commands.DoClear(2));
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(rig.listener.events, (std::vector<std::string>{"lock", "release", "lock", "release"}));
}

TEST_F(DoClearTest, RemovingAPopupMenuAndATimedMacroRefreshesTheirSubsystems) {
  rig.ui.QueueYesNo(true);
  ASSERT_TRUE(rig.commands.DoClear(3));  // menu A, listed nowhere
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"question Delete: Are you sure you want to remove \"Ctrl+U\"?"});
  EXPECT_EQ(rig.listener.events, (std::vector<std::string>{"lock", "remove icons", "swap", "list", "build icons",
                                                           "select 3", "release changed"}));
  EXPECT_EQ(RecordOnDisk(path, 3).PopupMenuList(), (std::vector<std::uint16_t>{1, 4}));

  rig.trace.Clear();
  rig.listener.events.clear();
  rig.ui.QueueYesNo(true);
  rig.ui.QueueYesNo(true);
  ASSERT_TRUE(rig.commands.DoClear(4));  // the timed macro, listed in menu B
  EXPECT_EQ(rig.Messages()[0], "question Delete: Are you sure you want to remove \"Timed Macro\"?");
  EXPECT_NE(rig.Messages()[1].find("Are you sure you want to remove \"Timed Macro\"?"), std::string::npos);
  EXPECT_EQ(RecordOnDisk(path, 3).PopupMenuList(), (std::vector<std::uint16_t>{1}));
  EXPECT_EQ(rig.listener.events,
            (std::vector<std::string>{"lock", "swap", "list", "scheduler", "select 4", "release changed"}));
}

TEST_F(DoClearTest, RefusalsBeforeAnyQuestion) {
  rig.listener.lockFree = false;
  EXPECT_FALSE(rig.commands.DoClear(2));
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_FALSE(rig.commands.DoClear(0));
  EXPECT_FALSE(rig.commands.DoClear(9));
  EXPECT_EQ(rig.Messages(), std::vector<std::string>(2, "message Error: No hot key selected.  Please select one."));

  CommandRig empty;  // nothing loaded yet
  EXPECT_FALSE(empty.commands.DoClear(1));
  EXPECT_EQ(empty.Messages(),
            std::vector<std::string>{"message Error: No hot keys have been added yet.  Please add one first."});
}

TEST(DoClear, AWordletIsNamedByItsText) {
  ScratchFolder folder;
  CommandRig rig;
  MacroRecord wordlet = HotKeyMacro("w", kWordletActivation);
  wordlet.SetWordletText("sig1");
  WriteFile(folder.File("W.TVX"), {wordlet});
  rig.file.LoadFile(folder.File("W.TVX"));
  rig.ui.QueueYesNo(false);
  rig.commands.DoClear(1);
  EXPECT_EQ(rig.Messages().back(), "question Delete: Are you sure you want to remove the Wordlet \"sig1\"?");
}

TEST(DoClear, ADamagedFileIsRefusedBeforeAsking) {
  ScratchFolder folder;
  CommandRig rig;
  const std::string path = folder.File("D.TVX");
  WriteFile(path, {HotKeyMacro("a", 1), HotKeyMacro("b", 2)}, 10);
  std::filesystem::create_directory(MacroFile::CutOffTailFile(path));  // the tail cannot be kept aside
  rig.file.LoadFile(path);
  rig.trace.Clear();
  EXPECT_FALSE(rig.commands.DoClear(1));
  ASSERT_EQ(rig.Messages().size(), 1u);
  EXPECT_NE(rig.Messages()[0].find("is damaged and cannot be changed"), std::string::npos);
  EXPECT_EQ(ReadBytes(path).size(), 2 * kMacroRecordSize + 10);
}

TEST(FileCommands, DoNewChecksTheExtensionAndSwitchesFiles) {
  ScratchFolder folder;
  CommandRig rig;
  rig.file.LoadFile(folder.File("OLD.TVX"));
  rig.trace.Clear();

  rig.ui.QueueFileName(folder.File("NOTES.TXT"));
  rig.commands.DoNew();
  rig.ui.QueueFileName(std::nullopt);  // cancelled
  rig.commands.DoNew();
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message Error: Invalid file type selected."});
  EXPECT_TRUE(rig.listener.events.empty());
  EXPECT_EQ(rig.file.Path(), folder.File("OLD.TVX"));

  rig.ui.QueueFileName(folder.File("Fresh.tvx"));
  rig.commands.DoNew();
  EXPECT_EQ(rig.trace.Lines().front(), "filedialog New Tavrix File");
  EXPECT_EQ(rig.file.Path(), folder.File("Fresh.tvx"));
  EXPECT_EQ(RecordsOnDisk(folder.File("Fresh.tvx")), 4u);
  EXPECT_TRUE(std::filesystem::exists(folder.File("Fresh.TVS")));
  EXPECT_EQ(rig.commands.recentFiles()[0], folder.File("OLD.TVX"));
  EXPECT_EQ(rig.listener.events,
            (std::vector<std::string>{"remove icons", "path Fresh", "caption Fresh", "list", "buttons on", "scheduler",
                                      "swap", "recent"}));
  EXPECT_EQ(rig.hooks.copy().HotKeyUsed(262), 1);  // activations published
}

TEST(FileCommands, AKeySwapFileThatCannotBeCreatedIsReportedOncePerMacroFile) {
  ScratchFolder folder;
  CommandRig rig;
  // A link into a folder that does not exist: the key-swap file cannot be made.
  std::filesystem::create_symlink(folder.File("nowhere/K.TVS"), folder.File("K.TVS"));
  rig.file.LoadFile(folder.File("K.TVX"));
  rig.commands.RebuildKeySwapState();
  rig.commands.RebuildKeySwapState();
  rig.file.LoadFile(folder.File("OTHER.TVX"));
  rig.commands.RebuildKeySwapState();
  rig.file.LoadFile(folder.File("K.TVX"));
  rig.commands.RebuildKeySwapState();
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message Error: The key-swap file \"" + folder.File("K.TVS") +
                                                     "\" could not be created.  Keys are not remapped for this macro "
                                                     "file."});
  EXPECT_FALSE(SwapsInUse(rig.swap));
}

TEST(FileCommands, DoOpenAndOpenSaveFileRebuildTheTrayIcons) {
  ScratchFolder folder;
  CommandRig rig;
  WriteFile(folder.File("B.TVX"), {SystemMacro(1, "a"), SystemMacro(2, "b"), SystemMacro(3, "c"),
                                  SystemMacro(4, "d")});
  rig.file.LoadFile(folder.File("A.TVX"));
  rig.ui.QueueFileName(folder.File("B.TVX"));
  rig.commands.DoOpen();
  EXPECT_EQ(rig.file.Path(), folder.File("B.TVX"));
  EXPECT_EQ(rig.listener.events,
            (std::vector<std::string>{"remove icons", "path B", "caption B", "list", "buttons on", "scheduler",
                                      "build icons", "swap", "recent"}));
  ASSERT_EQ(rig.commands.recentFiles()[0], folder.File("A.TVX"));

  rig.listener.events.clear();
  rig.commands.OpenSaveFile(1);  // back to A
  EXPECT_EQ(rig.file.Path(), folder.File("A.TVX"));
  EXPECT_EQ(rig.commands.recentFiles()[0], folder.File("B.TVX"));
  EXPECT_EQ(rig.commands.recentFiles()[1], "");  // A left its old slot
  EXPECT_EQ(rig.listener.events,
            (std::vector<std::string>{"remove icons", "caption A", "recent", "path A", "list", "buttons on",
                                      "scheduler", "build icons", "swap"}));

  rig.commands.recentFiles()[2] = folder.File("GONE.TVX");
  rig.trace.Clear();
  rig.commands.OpenSaveFile(3);
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message Error: File does not exist."});
  EXPECT_EQ(rig.file.Path(), folder.File("A.TVX"));
}

TEST(RecentFiles, DoLastFilesMovesTheOpenedPathOutAndPutsThePreviousFirst) {
  RecentFiles files{"a", "b", "c", "d", "e"};
  UpdateRecentFiles(files, "p", "c");
  EXPECT_EQ(files, (RecentFiles{"p", "a", "b", "d", "e"}));
  UpdateRecentFiles(files, "q", "x");
  EXPECT_EQ(files, (RecentFiles{"q", "p", "a", "b", "d"}));
  UpdateRecentFiles(files, "r", "C");  // exact, case-sensitive comparison: nothing taken out
  EXPECT_EQ(files[0], "r");
  EXPECT_EQ(RecentFileCaption(2, "C:\\X.TVX"), "&2   C:\\X.TVX");
  EXPECT_FALSE(RecentFilesSeparatorVisible(RecentFiles{}));
  EXPECT_TRUE(RecentFilesSeparatorVisible(files));
  EXPECT_EQ(FileTitle("C:\\MACROS\\MINE.TVX"), "MINE");
}

}  // namespace
}  // namespace tavrix
