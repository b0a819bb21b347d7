// The macro file on the real Windows file functions: a removal while another
// program holds a mapped view of the file (a virus scanner or indexer does)
// fails whole, and copies of the program appending at the same time through
// the file's lock lose nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/recording_hook_library.h"
#include "tests/support/record_builder.h"
#include "tests/support/scratch_folder.h"

namespace tavrix {
namespace {

using test_support::HotKeyMacro;
using test_support::PopupMacro;
using test_support::ReadFileText;
using test_support::RecordOnDisk;
using test_support::RecordsOnDisk;
using test_support::SystemMacro;

constexpr int kAppendsPerChild = 25;
constexpr int kChildren = 3;

struct FileRig {
  SimTrace trace;
  SimUi ui{trace};
  RecordingHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, [] { return LocalDateTime{2024, 3, 15, 18, 0, 0, 0}; }};
};

// Another program's mapped view of the file, held while the test runs.
class MappedView {
 public:
  explicit MappedView(const std::string& path) {
    file_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    mapping_ = CreateFileMappingA(file_, nullptr, PAGE_READONLY, 0, 0, nullptr);
    view_ = MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0);
  }
  ~MappedView() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }
  bool Held() const { return view_ != nullptr; }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
};

TEST(MacroFileOnWindows, ARemovalWhileAViewIsMappedChangesNothingAndLeavesNoFileBehind) {
  test_support::ScratchFolder folder;
  const std::string path = folder.File("R.TVX");
  test_support::WriteMacroFile(path, {SystemMacro(1, "s1"), SystemMacro(2, "s2"), SystemMacro(3, "s3"),
                                      SystemMacro(4, "s4"), HotKeyMacro("A", 10), HotKeyMacro("B", 11),
                                      HotKeyMacro("C", 12), PopupMacro("M", 13, {5, 7}), HotKeyMacro("D", 14),
                                      HotKeyMacro("E", 15)});
  FileRig rig;
  rig.file.LoadFile(path);
  ASSERT_EQ(rig.index.Count(), 10);
  const std::string before = ReadFileText(path);
  {
    MappedView view(path);
    ASSERT_TRUE(view.Held());
    EXPECT_FALSE(rig.file.DeleteRecord(6));
    EXPECT_EQ(ReadFileText(path), before);
    EXPECT_FALSE(std::filesystem::exists(MacroFile::ReplacementFile(path)));
    EXPECT_EQ(rig.index.Count(), 10);
    EXPECT_EQ(rig.index.NickName(6), "B");
    ASSERT_FALSE(rig.trace.Lines().empty());
    EXPECT_EQ(rig.trace.Lines().back(), "message Error: The macro could not be removed from the macro file.");
  }
  // Once the view is gone the same removal goes through.
  ASSERT_TRUE(rig.file.DeleteRecord(6));
  ASSERT_EQ(RecordsOnDisk(path), 9u);
  EXPECT_EQ(RecordOnDisk(path, 6).NickName(), "C");
  EXPECT_EQ(RecordOnDisk(path, 7).PopupMenuList(), (std::vector<std::uint16_t>{5, 6}));
  EXPECT_EQ(RecordOnDisk(path, 8).NickName(), "D");
}

// Run as a child by the test below: appends kAppendsPerChild macros.
TEST(MacroFileOnWindows, ChildAppends) {
  const char* path = std::getenv("TAVRIX_APPEND_FILE");
  const char* child = std::getenv("TAVRIX_APPEND_CHILD");
  if (path == nullptr || child == nullptr) GTEST_SKIP() << "started by the multi-process test only";
  for (int i = 1; i <= kAppendsPerChild; ++i) {
    FileRig rig;
    rig.file.LoadFile(path);
    ASSERT_EQ(rig.file.State(), MacroFileState::Ready);
    rig.index.SetCount(rig.index.Count() + 1);
    ASSERT_TRUE(rig.file.SaveRecord(-1, HotKeyMacro(std::string("c") + child + "-" + std::to_string(i), 20)));
    ASSERT_TRUE(rig.trace.Lines().empty()) << rig.trace.Lines().front();
  }
}

TEST(MacroFileOnWindows, CopiesAppendingAtOnceLoseNothing) {
  if (std::getenv("TAVRIX_APPEND_FILE") != nullptr) GTEST_SKIP();
  test_support::ScratchFolder folder;
  const std::string path = folder.File("SHARED.TVX");  // made by whichever copy comes first
  char self[MAX_PATH];
  ASSERT_GT(GetModuleFileNameA(nullptr, self, sizeof self), 0u);
  SetEnvironmentVariableA("TAVRIX_APPEND_FILE", path.c_str());
  std::vector<PROCESS_INFORMATION> children;
  for (int c = 1; c <= kChildren; ++c) {
    SetEnvironmentVariableA("TAVRIX_APPEND_CHILD", std::to_string(c).c_str());
    std::string command = std::string("\"") + self + "\" --gtest_filter=MacroFileOnWindows.ChildAppends";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    children.push_back(process);
  }
  SetEnvironmentVariableA("TAVRIX_APPEND_FILE", nullptr);
  SetEnvironmentVariableA("TAVRIX_APPEND_CHILD", nullptr);
  for (const PROCESS_INFORMATION& process : children) {
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  ASSERT_EQ(ReadFileText(path).size(), (4 + kChildren * kAppendsPerChild) * kMacroRecordSize);
  std::set<std::string> names;
  for (int n = 5; n <= 4 + kChildren * kAppendsPerChild; ++n) names.insert(RecordOnDisk(path, n).NickName());
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kChildren * kAppendsPerChild));
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(RecordOnDisk(path, n).ScopeName(), std::to_string(n));
}

}  // namespace
}  // namespace tavrix
