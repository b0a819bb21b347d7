// The program's side of a capture: the start (its refusals, the record it
// appends, the table fields it publishes), the recording it takes in, and
// the end (speed tag, zero bytes, the 5000 bytes or the overflow file, the
// record's fields, "Capture Complete").
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "capture/capture_session.h"
#include "store/recording_hook_library.h"
#include "tests/support/record_builder.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/sim_world.h"

namespace tavrix {
namespace {

using namespace test_support;

constexpr double kNow = 46363.5;
constexpr std::uint16_t kStopCode = 263;  // "Start / Stop Capture" of a new file
constexpr std::uint16_t kF9 = 296;

class TestHost : public CaptureHost {
 public:
  bool BrowseMode() override { return browse; }
  std::string TopProgram() override { return "NOTEPAD.EXE"; }
  void ShowRecordingIcon(bool shown) override { icon = shown; }
  bool TakeFileLock() override {
    ++taken;
    return !fileInUse;
  }
  void ReleaseFileLock(bool changed) override {
    ++released;
    releasedChanged = changed;
  }
  bool browse = false, icon = false, fileInUse = false, releasedChanged = false;
  int taken = 0, released = 0;
};

class CaptureSessionTest : public ::testing::Test, public SimWorld {
 protected:
  void Load(std::vector<MacroRecord> extra = {}) {
    std::vector<MacroRecord> records{SystemMacro(1, "Activate Tavrix"), SystemMacro(2, "Start / Stop Capture"),
                                     SystemMacro(3, "Resume Pause"), SystemMacro(4, "Menu")};
    records.insert(records.end(), extra.begin(), extra.end());
    WriteMacroFile(path, records);
    file.LoadFile(path);
  }
  // The hook library's stream: each byte as message 3, then message 4.
  void Stream(const std::string& bytes) {
    const std::uint32_t n = index.table().CaptureMacro();
    for (const char c : bytes) session.OnCaptureChar(n, static_cast<std::uint8_t>(c));
    session.OnCaptureComplete(n);
  }
  MacroRecord Captured() { return RecordOnDisk(path, index.table().CaptureMacro()); }
  void CloseCapComplete() {
    ui.AnswerForm("TCapComplete", [](Form& form) { form.PressCloseBox(); });
  }
  void DefaultsWithoutPrompt() { defaults.prompt = false; }

  ScratchFolder folder;
  std::string path = folder.File("M.TVX");
  RecordingHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, [] { return LocalDateTime{2026, 12, 7, 12, 0, 0, 0}; }};
  TestHost host;
  CaptureSession session{CaptureEnvironment{file, ui, SystemCaptureFiles(), host, [] { return kNow; }, folder.Path()}};
  CaptureSettings defaults;
};

TEST_F(CaptureSessionTest, QuickCaptureAppendsTheCaptureMacroAndArmsTheStopKey) {
  Load();
  ASSERT_TRUE(session.StartACapture(defaults));
  EXPECT_EQ(index.Count(), 5);
  const SharedMacroTable& table = index.table();
  EXPECT_EQ(table.CaptureMacro(), 5);
  EXPECT_EQ(table.CaptureOn(), 1);
  EXPECT_TRUE(host.icon);
  const DecodedHotKey stop = DecipherKey(kStopCode);
  EXPECT_EQ(table.StopKey(), stop.virtualKey);
  EXPECT_EQ(std::tuple(table.StopCtrl(), table.StopAlt(), table.StopShift(), table.StopWin()),
            std::tuple(std::uint8_t(stop.ctrl), std::uint8_t(stop.alt), std::uint8_t(stop.shift), std::uint8_t(0)));
  EXPECT_EQ(table.Stop2On(), 0);
  EXPECT_EQ(table.CaptureState790(), 1);
  // The new macro stands in the index; the file gets it with its recording.
  EXPECT_EQ(RecordsOnDisk(path), 4u);
  EXPECT_EQ(std::tuple(index.NickName(5), index.Wordlet(5), table.Activation(5), table.Scope(5), table.TopMostOnly(5),
                       table.Active(5)),
            std::tuple(std::string("Capture"), std::string("capture"), kWordletActivation, kScopeGlobal,
                       std::uint8_t(1), std::uint8_t(1)));
  EXPECT_EQ(Messages(), (Lines{"message Start Capture: Tavrix macro capture will now start.\\x0D\\x0A\\x0D\\x0AUse " +
                               HotKeyName(kStopCode) + " to stop the capture."}));
  // The table's fields go to the library before the recording is switched on.
  const auto& calls = hooks.calls();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 1].name, "TvxUpCaptureOn");
  EXPECT_EQ(calls[calls.size() - 2].name, "TvxUpCapture");
}

struct EndCase {
  const char* name;
  int speed;
  bool time;
  std::string stream;
  std::string text;  // the macro text afterwards
};

const EndCase kEnds[] = {
    {"ActualSpeed", 1, true, "ab", "<SPEED:00001>ab"},
    {"HalfSpeed", 2, true, "x", "<SPEED:00002>x"},
    {"DoubleSpeed", 3, true, "x", "<SPEED:00.50>x"},
    {"QuadrupleSpeed", 4, true, "x", "<SPEED:00.25>x"},
    {"TimeOffWritesNoTag", 4, false, "first", "first"},
    {"ZeroBytesAreDropped", 1, false, std::string("a\0b\0\0c", 6), "abc"},
    {"ExactlyFiveThousand", 1, true, std::string(5000 - 13, 'q'), "<SPEED:00001>" + std::string(5000 - 13, 'q')},
};

class CaptureEnd : public CaptureSessionTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(CaptureEnd, MovesTheRecordingIntoTheMacroText) {
  Load();
  defaults.speed = GetParam().speed;
  defaults.time = GetParam().time;
  CloseCapComplete();
  ASSERT_TRUE(session.StartACapture(defaults));
  Stream(GetParam().stream);
  const MacroRecord r = Captured();
  EXPECT_EQ(r.MacroText(), GetParam().text);
  EXPECT_EQ(r.LastModified(), kNow);
  EXPECT_FALSE(std::filesystem::exists(folder / kCaptureFileName));
  EXPECT_EQ(index.table().CaptureOn(), 0);
  EXPECT_FALSE(host.icon);
}

INSTANTIATE_TEST_SUITE_P(Cases, CaptureEnd, ::testing::ValuesIn(kEnds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureSessionTest, LongRecordingGoesToTheNextFreeOverflowFile) {
  Load();
  WriteFileText(folder.File("TV0.TXT"), "old zero");
  WriteFileText(folder.File("TV1.TXT"), "old one");
  CloseCapComplete();
  ASSERT_TRUE(session.StartACapture(defaults));
  const std::string recording(5001 - 13, 'z');
  Stream(recording);
  EXPECT_EQ(Captured().MacroText(), "<TFILE:" + folder.Path() + "\\TV2.TXT>");
  EXPECT_EQ(ReadFileText(folder.File("TV2.TXT")), "<SPEED:00001>" + recording);
  EXPECT_EQ(ReadFileText(folder.File("TV0.TXT")), "old zero");
  EXPECT_EQ(ReadFileText(folder.File("TV1.TXT")), "old one");
  EXPECT_FALSE(std::filesystem::exists(folder / kCaptureFileName));
}

TEST_F(CaptureSessionTest, SecondEndAndCharactersAfterTheEndChangeNothing) {
  Load();
  defaults.time = false;
  CloseCapComplete();
  ASSERT_TRUE(session.StartACapture(defaults));
  Stream("one");
  session.OnCaptureChar(5, 'X');
  session.OnCaptureComplete(5);
  session.EndCapture1Click();
  EXPECT_EQ(Captured().MacroText(), "one");
  EXPECT_EQ(ui.Shown("TCapComplete").size(), 1u);
  EXPECT_EQ(host.released, 1);
  EXPECT_TRUE(host.releasedChanged);
}

TEST_F(CaptureSessionTest, ClosingCaptureCompleteKeepsTheQuickCaptureRecord) {
  Load();
  CloseCapComplete();
  ASSERT_TRUE(session.StartACapture(defaults));
  Stream("x");
  const MacroRecord r = Captured();
  EXPECT_EQ(std::tuple(r.NickName(), r.WordletText(), r.Activation(), r.Scope()),
            std::tuple(std::string("Capture"), std::string("capture"), kWordletActivation, kScopeGlobal));
  EXPECT_FALSE(session.QuickCapture());
}

struct CompleteCase {
  const char* name;
  std::function<void(TCapComplete&)> answer;
  std::string refusal;  // the message shown; empty: accepted
};

const CompleteCase kCompletes[] = {
    {"HotKeyForTheProgram",
     [](TCapComplete& d) {
       d.keyList.itemIndex = kF9;
       d.Click(d.programRadio);
       d.nickName.text = "  Mine ";
     },
     ""},
    {"HotKeyPressedInTheField",
     [](TCapComplete& d) {
       // As the window reports a key pressed in hot key entry mode.
       static_cast<Form&>(d).HotKeyPressed(d.hotKeyEntry, kF9);
       EXPECT_EQ(d.hotKeyEntry.text, HotKeyName(kF9));
       d.Click(d.programRadio);
       d.nickName.text = "  Mine ";
     },
     ""},
    {"NoHotKey", [](TCapComplete&) {}, "message Error: No hot key selected.  Please select one."},
    {"GlobalKeyInUse", [](TCapComplete& d) { d.keyList.itemIndex = kStopCode; },
     std::string("message Error: ") + kGlobalKeyInUseText},
    {"EmptyWordlet",
     [](TCapComplete& d) {
       d.Click(d.wordletsRadio);
       d.wordletName.text = "   ";
     },
     "message Error: No Wordlet name entered."},
    {"WordletWithAnInvalidCharacter",
     [](TCapComplete& d) {
       d.Click(d.wordletsRadio);
       d.wordletName.text = "ab:c";
     },
     std::string("message Error: ") + kWordletInvalidText},
    {"Wordlet",
     [](TCapComplete& d) {
       d.Click(d.wordletsRadio);
       d.wordletName.text = " sig ";
     },
     ""},
};

class CapComplete : public CaptureSessionTest, public ::testing::WithParamInterface<CompleteCase> {};

TEST_P(CapComplete, AssignsTheActivationOrRefuses) {
  Load();
  DefaultsWithoutPrompt();
  ui.AnswerForm("TCapComplete", [this](Form& form) {
    auto& d = static_cast<TCapComplete&>(form);
    GetParam().answer(d);
    ui.Click(d, d.okButton);
    if (!d.Closed()) d.PressCloseBox();
  });
  ASSERT_TRUE(session.StartACapture(defaults));
  Stream("t");
  const MacroRecord r = Captured();
  if (!GetParam().refusal.empty()) {
    EXPECT_EQ(Messages(), Lines{GetParam().refusal});
    EXPECT_EQ(r.Activation(), kWordletActivation);
    EXPECT_EQ(r.WordletText(), "capture");
    return;
  }
  EXPECT_TRUE(Messages().empty());
  if (std::string(GetParam().name) == "Wordlet") {
    EXPECT_EQ(std::tuple(r.Activation(), r.WordletText(), r.Scope()),
              std::tuple(kWordletActivation, std::string("sig"), kScopeGlobal));
  } else {
    EXPECT_EQ(std::tuple(r.Activation(), r.NickName(), r.Scope(), r.ScopeName(), r.TopMostOnly()),
              std::tuple(kF9, std::string("Mine"), kScopeProgram, std::string("NOTEPAD.EXE"), std::uint8_t(1)));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CapComplete, ::testing::ValuesIn(kCompletes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureSessionTest, QuickCaptureRefusals) {
  Load();
  host.browse = true;
  EXPECT_FALSE(session.StartACapture(defaults));
  host.browse = false;
  DefaultsWithoutPrompt();
  ASSERT_TRUE(session.StartACapture(defaults));
  EXPECT_FALSE(session.StartACapture(defaults));
  EXPECT_EQ(Messages(), (Lines{std::string("message Error: ") + kBrowseCaptureText,
                               std::string("message Error: ") + kCaptureInProgressText}));
  EXPECT_EQ(RecordsOnDisk(path), 4u);  // the capture running reaches the file only at its end
  EXPECT_EQ(index.Count(), 5);
}

TEST_F(CaptureSessionTest, QuickCaptureWith500MacrosAppendsNothing) {
  Load(std::vector<MacroRecord>(496, Macro("m", 20000, "t")));
  EXPECT_FALSE(session.StartACapture(defaults));
  EXPECT_EQ(Messages(), Lines{std::string("message Error: ") + kCaptureMaximumText});
  EXPECT_EQ(RecordsOnDisk(path), 500u);
  EXPECT_FALSE(std::filesystem::exists(folder / kCaptureFileName));
}

TEST_F(CaptureSessionTest, FileInUseStopsTheStart) {
  Load();
  host.fileInUse = true;
  EXPECT_FALSE(session.StartACapture(defaults));
  EXPECT_EQ(RecordsOnDisk(path), 4u);
  EXPECT_EQ(index.table().CaptureOn(), 0);
}

TEST_F(CaptureSessionTest, RecaptureOfAHotKeyMacroArmsItsKeyAndReportsTheEnd) {
  Load({HotKeyMacro("Old", kF9, kScopeGlobal, "old text")});
  ui.AnswerForm("TCaptureKeys", [this](Form& form) {
    auto& d = static_cast<TCaptureKeys&>(form);
    EXPECT_EQ(d.hotLabel2.text, "Press " + HotKeyName(kStopCode) + " to end capture");
    EXPECT_EQ(d.hotLabel3.text, "Or Press " + HotKeyName(kF9) + " to end capture");
    EXPECT_EQ(d.nickName.text, "Old");
    d.nickName.text = "New";
    d.Click(d.timeBox);
    d.Click(d.programRadio);
    ui.Click(d, d.startButton);
  });
  ASSERT_TRUE(session.DoCapture(5, defaults));
  EXPECT_EQ(RecordOnDisk(path, 5).NickName(), "Old");  // the new name comes with the recording
  EXPECT_EQ(index.table().Stop2On(), 1);
  EXPECT_EQ(index.table().Stop2Key(), DecipherKey(kF9).virtualKey);
  EXPECT_EQ(index.table().CaptureTime(), 0);
  Stream("new text");
  const MacroRecord r = Captured();
  EXPECT_EQ(std::tuple(r.NickName(), r.MacroText(), r.Scope(), r.ScopeName(), r.TopMostOnly()),
            std::tuple(std::string("New"), std::string("new text"), kScopeProgram, std::string("NOTEPAD.EXE"),
                       std::uint8_t(1)));
  EXPECT_EQ(Messages(), Lines{"message Capture: Tavrix capture is complete for " + HotKeyName(kF9) + "."});
}

TEST_F(CaptureSessionTest, RecaptureOfAWordletMacroArmsOnlyTheSystemStopKey) {
  Load({Macro("W", kWordletActivation, "old")});
  index.SetWordlet(5, "sig");
  ui.AnswerForm("TCaptureKeys", [this](Form& form) {
    auto& d = static_cast<TCaptureKeys&>(form);
    EXPECT_EQ(d.hotLabel3.text, "");
    ui.Click(d, d.startButton);
  });
  ASSERT_TRUE(session.DoCapture(5, defaults));
  EXPECT_EQ(index.table().Stop2On(), 0);
}

TEST_F(CaptureSessionTest, RecaptureIsOfferedOnlyForHotKeysAndWordlets) {
  Load({Macro("Timed", kTimedActivation, "x"), PopupMacro("Menu", kF9, {1})});
  EXPECT_FALSE(session.DoCapture(2, defaults));  // SYSTEM
  EXPECT_FALSE(session.DoCapture(5, defaults));
  EXPECT_FALSE(session.DoCapture(6, defaults));
  EXPECT_FALSE(session.DoCapture(0, defaults));
  EXPECT_TRUE(ui.Shown("TCaptureKeys").empty());
  EXPECT_EQ(Messages(), Lines{"message Error: No hot key selected.  Please select one."});
}

TEST_F(CaptureSessionTest, CancelledCaptureDialogReleasesTheFileUnchanged) {
  Load({HotKeyMacro("Old", kF9)});
  ui.AnswerForm("TCaptureKeys", [](Form& form) { form.PressCloseBox(); });
  EXPECT_FALSE(session.DoCapture(5, defaults));
  EXPECT_EQ(host.released, 1);
  EXPECT_FALSE(host.releasedChanged);
  EXPECT_EQ(index.table().CaptureOn(), 0);
}

TEST_F(CaptureSessionTest, NewMacroOfTheAddDialogRaisesTheCount) {
  Load();
  MacroRecord record = HotKeyMacro("", kF9);
  ui.AnswerForm("TCaptureKeys", [this](Form& form) { ui.Click(form, static_cast<TCaptureKeys&>(form).startButton); });
  ASSERT_TRUE(session.CaptureNewMacro(record, 5, false, defaults));
  EXPECT_EQ(index.Count(), 5);
  ASSERT_TRUE(file.SaveRecord(-1, record));
  Stream("typed");
  EXPECT_EQ(Captured().MacroText(), "<SPEED:00001>typed");
}

TEST_F(CaptureSessionTest, EndedFromTheIconLetsGoOfWhatIsHeldAndDropsTheIconClick) {
  Load();
  defaults.time = false;
  CloseCapComplete();
  ASSERT_TRUE(session.StartACapture(defaults));
  for (const char c : std::string("<CTLD>a<MMS:00001,00002><LDN><MMS:01000,00760><MSD:0040><RDN>"))
    session.OnCaptureChar(5, static_cast<std::uint8_t>(c));
  session.EndCapture1Click();
  EXPECT_EQ(Captured().MacroText(), "<CTLD>a<MMS:00001,00002><LDN><LUP><CTLU>");
}

// A disk that refuses the capture file: no capture starts, or the capture
// stops with a clear message, and no macro changes.
class RefusingFiles : public CaptureFiles {
 public:
  explicit RefusingFiles(int acceptedBytes) : accepted_(acceptedBytes) {}
  std::string Join(const std::string& folder, const std::string& name) override {
    return SystemCaptureFiles().Join(folder, name);
  }
  std::unique_ptr<CaptureFileWriter> Create(const std::string& path) override {
    if (accepted_ < 0) return nullptr;
    struct Writer : CaptureFileWriter {
      int left;
      std::unique_ptr<CaptureFileWriter> real;
      bool Put(char byte) override { return left-- > 0 && real->Put(byte); }
    };
    auto writer = std::make_unique<Writer>();
    writer->left = accepted_;
    writer->real = SystemCaptureFiles().Create(path);
    return writer;
  }
  std::optional<std::string> Read(const std::string& path) override { return SystemCaptureFiles().Read(path); }
  bool Exists(const std::string& path) override { return SystemCaptureFiles().Exists(path); }
  bool Copy(const std::string& from, const std::string& to) override { return SystemCaptureFiles().Copy(from, to); }
  void Remove(const std::string& path) override { SystemCaptureFiles().Remove(path); }

 private:
  int accepted_;
};

TEST_F(CaptureSessionTest, ARefusedCaptureFileChangesNoMacro) {
  for (const int accepted : {-1, 3}) {
    SCOPED_TRACE(accepted);
    Load();
    desktop.Trace().Clear();
    RefusingFiles files(accepted);
    CaptureSession refused{CaptureEnvironment{file, ui, files, host, [] { return kNow; }, folder.Path()}};
    defaults.time = false;
    DefaultsWithoutPrompt();
    const bool started = refused.StartACapture(defaults);
    EXPECT_EQ(started, accepted >= 0);
    for (const char c : std::string("typed")) refused.OnCaptureChar(5, static_cast<std::uint8_t>(c));
    EXPECT_EQ(RecordsOnDisk(path), 4u);
    EXPECT_EQ(index.Count(), 4);
    EXPECT_EQ(index.table().CaptureOn(), 0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find(kCaptureFileName), std::string::npos) << Messages()[0];
    EXPECT_FALSE(std::filesystem::exists(folder / kCaptureFileName));
  }
}

// The file is damaged behind the capture's back (a cut-off record added), so
// its save is refused: neither a quick capture nor a recapture leaves
// anything of itself in the file.
TEST_F(CaptureSessionTest, ACaptureWhoseSaveFailsLeavesTheFileAsItWas) {
  for (const bool quick : {true, false}) {
    SCOPED_TRACE(quick);
    Load({HotKeyMacro("Old", kF9, kScopeWindow, "old text")});
    const std::string before = ReadFileText(path);
    ui.AnswerForm("TCaptureKeys", [this](Form& form) {
      static_cast<TCaptureKeys&>(form).nickName.text = "New";
      ui.Click(form, static_cast<TCaptureKeys&>(form).startButton);
    });
    CloseCapComplete();
    DefaultsWithoutPrompt();
    ASSERT_TRUE(quick ? session.StartACapture(defaults) : session.DoCapture(5, defaults));
    std::ofstream(path, std::ios::binary | std::ios::app) << "torn";
    Stream("typed");
    EXPECT_FALSE(session.Saved());
    EXPECT_EQ(ReadFileText(path), before + "torn");
    EXPECT_EQ(index.Count(), 5);  // no quick capture macro left in the index either
  }
}

TEST(CaptureDefaultsForm, EnablingRulesAndTheSpeedFollowTheControls) {
  TCaptureDefaults d;
  CaptureSettings s;
  d.Load(s);
  EXPECT_TRUE(d.screenRadio.enabled);
  EXPECT_FALSE(d.windowSizeBox.enabled);  // relative to the screen
  d.Click(d.windowRadio);
  EXPECT_TRUE(d.windowSizeBox.enabled);
  d.Click(d.mouseBox);
  EXPECT_FALSE(d.screenRadio.enabled || d.windowRadio.enabled || d.windowSizeBox.enabled);
  d.Click(d.keysBox);
  EXPECT_FALSE(d.doubleAltBox.enabled);
  d.Click(d.quadrupleRadio);
  d.Click(d.timeBox);
  EXPECT_FALSE(d.actualRadio.enabled || d.quadrupleRadio.enabled);
  d.Click(d.programRadio);
  d.Store(s);
  EXPECT_EQ(s, (CaptureSettings{false, true, false, false, true, false, 4, true, false}));
  EXPECT_FALSE(s.EffectiveWindowSize());
}

}  // namespace
}  // namespace tavrix
