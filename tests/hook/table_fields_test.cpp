#include "hook/table_fields.h"

#include <gtest/gtest.h>

#include <set>

namespace tavrix::hook {
namespace {

std::set<std::size_t> bytesOf(const std::vector<ByteRange>& ranges) {
  std::set<std::size_t> bytes;
  for (const auto& r : ranges) {
    for (std::size_t i = 0; i < r.size; ++i) bytes.insert(r.offset + i);
  }
  return bytes;
}

TEST(TableFields, PerMacroArraysStartAtTheDocumentedOffsets) {
  EXPECT_EQ(scopeOf(1), (ByteRange{792, 2}));
  EXPECT_EQ(scopeNameOf(1), (ByteRange{1792, 21}));
  EXPECT_EQ(activeOf(1), (ByteRange{12292, 1}));
  EXPECT_EQ(activationOf(1), (ByteRange{12792, 2}));
  EXPECT_EQ(topMostOnlyOf(1), (ByteRange{13792, 1}));
  EXPECT_EQ(programOf(1), (ByteRange{14555, 26}));
}

TEST(TableFields, LastElementsEndWhereTheNextFieldBegins) {
  const auto endOf = [](ByteRange r) { return r.offset + r.size; };
  EXPECT_EQ(endOf(scopeOf(kMaxMacros)), scopeNameOf(1).offset);
  EXPECT_EQ(endOf(scopeNameOf(kMaxMacros)), activeOf(1).offset);
  EXPECT_EQ(endOf(activationOf(kMaxMacros)), topMostOnlyOf(1).offset);
  EXPECT_EQ(endOf(topMostOnlyOf(kMaxMacros)), kMacroCount.offset);
  EXPECT_EQ(endOf(programOf(kMaxPrograms)), kTableSize);
}

TEST(TableFields, InitTakesTheWholeTable) {
  EXPECT_EQ(fieldsTakenBy(PublishCall::Init), (std::vector<ByteRange>{{0, kTableSize}}));
}

TEST(TableFields, ItemTakesTheFiveFieldsOfThatMacroOnly) {
  const auto bytes = bytesOf(fieldsTakenBy(PublishCall::Item, 7));
  EXPECT_EQ(bytes.size(), 2u + 21u + 1u + 2u + 1u);
  EXPECT_TRUE(bytes.count(790 + 14) && bytes.count(790 + 15));
  EXPECT_TRUE(bytes.count(1771 + 147) && bytes.count(1771 + 147 + 20));
  EXPECT_TRUE(bytes.count(12291 + 7));
  EXPECT_TRUE(bytes.count(12790 + 14) && bytes.count(12790 + 15));
  EXPECT_TRUE(bytes.count(13791 + 7));
  EXPECT_FALSE(bytes.count(12291 + 6));
}

TEST(TableFields, ItemOutsideTheMacroRangeTakesNothing) {
  EXPECT_TRUE(fieldsTakenBy(PublishCall::Item, 0).empty());
  EXPECT_TRUE(fieldsTakenBy(PublishCall::Item, 501).empty());
  EXPECT_FALSE(fieldsTakenBy(PublishCall::Item, 500).empty());
}

TEST(TableFields, SingleFieldCallsTakeTheirField) {
  EXPECT_EQ(fieldsTakenBy(PublishCall::NumKeys), (std::vector<ByteRange>{{14292, 4}}));
  EXPECT_EQ(fieldsTakenBy(PublishCall::CaptureOn), (std::vector<ByteRange>{{737, 1}}));
  EXPECT_EQ(fieldsTakenBy(PublishCall::InUse), (std::vector<ByteRange>{{777, 1}}));
  EXPECT_EQ(fieldsTakenBy(PublishCall::Window), (std::vector<ByteRange>{{0, 4}}));
  EXPECT_EQ(fieldsTakenBy(PublishCall::Prog), (std::vector<ByteRange>{{14299, 251}}));
  EXPECT_EQ(fieldsTakenBy(PublishCall::KeyHook), (std::vector<ByteRange>{{748, 4}}));
  EXPECT_EQ(fieldsTakenBy(PublishCall::MouseHook), (std::vector<ByteRange>{{744, 4}}));
}

TEST(TableFields, KeysTakeHotKeyUsedAndHasWordlets) {
  const auto bytes = bytesOf(fieldsTakenBy(PublishCall::Keys));
  EXPECT_EQ(bytes.size(), 721u);
  EXPECT_TRUE(bytes.count(17) && bytes.count(736) && bytes.count(14298));
  EXPECT_FALSE(bytes.count(737));
}

TEST(TableFields, EntryWindowCallTakesWindowAndFlag) {
  const auto bytes = bytesOf(fieldsTakenBy(PublishCall::Window2));
  EXPECT_EQ(bytes, (std::set<std::size_t>{752, 753, 754, 755, 756}));
}

TEST(TableFields, CaptureTakesTheCaptureSpanButNotFieldsWithTheirOwnCalls) {
  const auto bytes = bytesOf(fieldsTakenBy(PublishCall::Capture));
  for (std::size_t b : {738u, 740u, 741u, 757u, 759u, 766u, 776u, 778u, 781u, 790u, 791u}) {
    EXPECT_TRUE(bytes.count(b)) << b;
  }
  for (std::size_t b : {737u, 744u, 748u, 752u, 756u, 777u, 792u}) {
    EXPECT_FALSE(bytes.count(b)) << b;
  }
}

TEST(TableFields, ProgramListTakesCountAndTwoHundredEntriesButNotMouseSwapped) {
  const auto bytes = bytesOf(fieldsTakenBy(PublishCall::Progs));
  EXPECT_EQ(bytes.size(), 4u + 200u * 26u);
  EXPECT_TRUE(bytes.count(14550) && bytes.count(14553));
  EXPECT_TRUE(bytes.count(14555) && bytes.count(kTableSize - 1));
  EXPECT_FALSE(bytes.count(kMouseSwapped.offset));
  EXPECT_FALSE(bytes.count(kFrontProgram.offset + kFrontProgram.size - 1));
}

TEST(TableFields, EveryRangeLiesInsideTheTable) {
  for (int call = 0; call <= static_cast<int>(PublishCall::MouseHook); ++call) {
    for (std::uint16_t macro : {0, 1, 250, 500, 501}) {
      for (const auto& r : fieldsTakenBy(static_cast<PublishCall>(call), macro)) {
        EXPECT_LE(r.offset + r.size, kTableSize) << call;
      }
    }
  }
}

}  // namespace
}  // namespace tavrix::hook
