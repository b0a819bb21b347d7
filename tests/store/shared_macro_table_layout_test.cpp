// The shared macro table and the two control blocks, checked byte by byte.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>

#include "store/macro_record.h"
#include "store/shared_macro_table.h"

namespace tavrix {
namespace {

// Indices of the non-zero bytes.
std::vector<std::size_t> Touched(const SharedMacroTable& t) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < t.bytes().size(); ++i)
    if (t.bytes()[i] != 0) at.push_back(i);
  return at;
}

using Offsets = std::vector<std::size_t>;

TEST(SharedMacroTableLayout, FixedFieldsLieAtTheirOffsets) {
  struct Case {
    const char* field;
    std::function<void(SharedMacroTable&)> set;
    Offsets bytes;
  };
  const std::vector<Case> cases{
      {"MainWindow", [](auto& t) { t.SetMainWindow(0x01020304); }, {0, 1, 2, 3}},
      {"Reserved4", [](auto& t) { t.SetReserved4(1); }, {4}},
      {"HotKeyUsed[0]", [](auto& t) { t.SetHotKeyUsed(0, 1); }, {17}},
      {"HotKeyUsed[719]", [](auto& t) { t.SetHotKeyUsed(719, 1); }, {736}},
      {"CaptureOn", [](auto& t) { t.SetCaptureOn(1); }, {737}},
      {"CaptureMacro", [](auto& t) { t.SetCaptureMacro(0x0101); }, {738, 739}},
      {"CaptureState740", [](auto& t) { t.SetCaptureState740(1); }, {740}},
      {"CaptureDoubleAlt", [](auto& t) { t.SetCaptureDoubleAlt(1); }, {741}},
      {"MouseHook", [](auto& t) { t.SetMouseHook(0x01010101); }, {744, 745, 746, 747}},
      {"KeyboardHook", [](auto& t) { t.SetKeyboardHook(0x01010101); }, {748, 749, 750, 751}},
      {"EntryWindow", [](auto& t) { t.SetEntryWindow(0x01010101); }, {752, 753, 754, 755}},
      {"EntryActive", [](auto& t) { t.SetEntryActive(1); }, {756}},
      {"StopMouse", [](auto& t) { t.SetStopMouse(0x0101); }, {757, 758}},
      {"StopKey", [](auto& t) { t.SetStopKey(0x0101); }, {759, 760}},
      {"StopCtrl", [](auto& t) { t.SetStopCtrl(1); }, {761}},
      {"StopAlt", [](auto& t) { t.SetStopAlt(1); }, {762}},
      {"StopShift", [](auto& t) { t.SetStopShift(1); }, {763}},
      {"StopWin", [](auto& t) { t.SetStopWin(1); }, {764}},
      {"CaptureState765", [](auto& t) { t.SetCaptureState765(1); }, {765}},
      {"Stop2On", [](auto& t) { t.SetStop2On(1); }, {766}},
      {"Stop2Mouse", [](auto& t) { t.SetStop2Mouse(0x0101); }, {767, 768}},
      {"Stop2Key", [](auto& t) { t.SetStop2Key(0x0101); }, {769, 770}},
      {"Stop2Ctrl", [](auto& t) { t.SetStop2Ctrl(1); }, {771}},
      {"Stop2Alt", [](auto& t) { t.SetStop2Alt(1); }, {772}},
      {"Stop2Shift", [](auto& t) { t.SetStop2Shift(1); }, {773}},
      {"Stop2Win", [](auto& t) { t.SetStop2Win(1); }, {774}},
      {"CaptureState775", [](auto& t) { t.SetCaptureState775(1); }, {775}},
      {"CaptureWindowPos", [](auto& t) { t.SetCaptureWindowPos(1); }, {776}},
      {"InUse", [](auto& t) { t.SetInUse(1); }, {777}},
      {"CaptureKeys", [](auto& t) { t.SetCaptureKeys(1); }, {778}},
      {"CaptureMouse", [](auto& t) { t.SetCaptureMouse(1); }, {779}},
      {"CaptureRelative", [](auto& t) { t.SetCaptureRelative(1); }, {780}},
      {"CaptureTime", [](auto& t) { t.SetCaptureTime(1); }, {781}},
      {"CaptureState790", [](auto& t) { t.SetCaptureState790(1); }, {790}},
      {"CaptureWindowPosCopy", [](auto& t) { t.SetCaptureWindowPosCopy(1); }, {791}},
      {"MacroCount", [](auto& t) { t.SetMacroCount(0x01010101); }, {14292, 14293, 14294, 14295}},
      {"Reserved14296", [](auto& t) { t.SetReserved14296(1); }, {14296}},
      {"IsNT", [](auto& t) { t.SetIsNT(1); }, {14297}},
      {"HasWordlets", [](auto& t) { t.SetHasWordlets(1); }, {14298}},
      {"FrontProgram", [](auto& t) { t.SetFrontProgram("AB"); }, {14299, 14300, 14301}},
      {"ProgramCount", [](auto& t) { t.SetProgramCount(0x01010101); }, {14550, 14551, 14552, 14553}},
      {"MouseSwapped", [](auto& t) { t.SetMouseSwapped(1); }, {14554}},
  };
  for (const Case& c : cases) {
    SharedMacroTable t;
    c.set(t);
    EXPECT_EQ(Touched(t), c.bytes) << c.field;
  }
}

TEST(SharedMacroTableLayout, PerMacroArraysStartAtBasePlusSizeTimesN) {
  struct Case {
    const char* field;
    std::function<void(SharedMacroTable&, int)> set;
    Offsets first;  // bytes for n = 1
    Offsets last;   // bytes for n = 500
  };
  const std::vector<Case> cases{
      {"Scope", [](auto& t, int n) { t.SetScope(n, 0x0101); }, {792, 793}, {1790, 1791}},
      {"ScopeName", [](auto& t, int n) { t.SetScopeName(n, "A"); }, {1792, 1793}, {12271, 12272}},
      {"Active", [](auto& t, int n) { t.SetActive(n, 1); }, {12292}, {12791}},
      {"Activation", [](auto& t, int n) { t.SetActivation(n, 0x0101); }, {12792, 12793}, {13790, 13791}},
      {"TopMostOnly", [](auto& t, int n) { t.SetTopMostOnly(n, 1); }, {13792}, {14291}},
  };
  for (const Case& c : cases) {
    SharedMacroTable first, last;
    c.set(first, 1);
    c.set(last, 500);
    EXPECT_EQ(Touched(first), c.first) << c.field;
    EXPECT_EQ(Touched(last), c.last) << c.field;
    SharedMacroTable t;
    EXPECT_THROW(c.set(t, 0), std::out_of_range) << c.field << ": element 0 overlaps the field before";
    EXPECT_THROW(c.set(t, 501), std::out_of_range) << c.field;
  }
}

TEST(SharedMacroTableLayout, ScopeNameAndProgramsAreCutAndProgramsSpanTheTableEnd) {
  SharedMacroTable t;
  t.SetScopeName(1, "A window title longer than twenty");
  EXPECT_EQ(t.ScopeName(1), "A window title longe");
  EXPECT_EQ(t.bytes()[1792 + 21], 0);  // element 2 untouched

  t.SetPrograms(1, "NOTEPAD.EXE");
  EXPECT_EQ(t.bytes()[14555], 11);
  EXPECT_EQ(t.bytes()[14556], 'N');
  t.SetPrograms(200, std::string(40, 'P'));
  EXPECT_EQ(t.bytes()[19729], 25);
  EXPECT_EQ(t.bytes()[19754], 'P');
  EXPECT_EQ(t.Programs(200), std::string(25, 'P'));
  EXPECT_THROW(t.SetPrograms(0, "X"), std::out_of_range);
  EXPECT_THROW(t.SetPrograms(201, "X"), std::out_of_range);

  t.SetFrontProgram(std::string(300, 'F'));
  EXPECT_EQ(t.bytes()[14299], 250);
  EXPECT_EQ(t.ProgramCount(), 0);  // the long name stops before the count
}

TEST(ControlBlockLayout, KeySwapAndWindowBlocks) {
  std::array<std::uint8_t, 104> swap{};
  KeySwapControlBlock block(swap);
  block.SetMainWindow(0x11223344);
  block.SetSwapHook(0x55667788);
  block.SwapTables()[0] = 'Z';
  block.SwapTables()[92] = '~';
  block.SetReserved103(9);
  EXPECT_EQ(swap[0], 0x44);
  EXPECT_EQ(swap[3], 0x11);
  EXPECT_EQ(swap[4], 0x88);
  EXPECT_EQ(swap[7], 0x55);
  EXPECT_EQ(swap[8], 'Z');
  EXPECT_EQ(swap[100], '~');
  EXPECT_EQ(swap[101], 0);
  EXPECT_EQ(swap[103], 9);

  std::array<std::uint8_t, 17> window{};
  WindowControlBlock w(window);
  w.SetMainWindow(0xA1B2C3D4);
  w.SetCbtHook(0x01020304);
  w.SetIsNT(1);
  for (std::size_t at : {0u, 8u, 12u}) EXPECT_EQ(window[at], 0xD4) << at;
  EXPECT_EQ(window[11], 0xA1);
  EXPECT_EQ(window[4], 0x04);
  EXPECT_EQ(window[16], 1);
  EXPECT_EQ(w.MainWindowAt8(), 0xA1B2C3D4u);
  EXPECT_EQ(w.MainWindowAt12(), 0xA1B2C3D4u);
  EXPECT_EQ(w.CbtHook(), 0x01020304u);
}

}  // namespace
}  // namespace tavrix
