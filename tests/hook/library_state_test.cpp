#include "hook/library_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tavrix::hook {
namespace {

// A program-side table whose every byte is `fill`.
std::vector<std::uint8_t> tableOf(std::uint8_t fill) {
  return std::vector<std::uint8_t>(kTableSize, fill);
}

void putU32(std::vector<std::uint8_t>& table, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) table[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(LibraryState, StartsEmpty) {
  LibraryState state;
  const auto copy = state.snapshot();
  for (auto b : copy) ASSERT_EQ(b, 0);
  EXPECT_EQ(state.mainWindow(), 0u);
}

TEST(LibraryState, InitCopiesEveryByte) {
  LibraryState state;
  auto table = tableOf(0);
  for (std::size_t i = 0; i < kTableSize; ++i) table[i] = static_cast<std::uint8_t>(i * 7);
  state.publish(PublishCall::Init, table.data());
  const auto copy = state.snapshot();
  EXPECT_TRUE(std::equal(copy.begin(), copy.end(), table.begin()));
}

TEST(LibraryState, PublishingCopiesOnlyTheNamedFields) {
  LibraryState state;
  state.publish(PublishCall::Init, tableOf(0x11).data());
  state.publish(PublishCall::InUse, tableOf(0x22).data());
  EXPECT_EQ(state.byteAt(777), 0x22);
  EXPECT_EQ(state.byteAt(776), 0x11);
  EXPECT_EQ(state.byteAt(778), 0x11);
  EXPECT_EQ(state.mainWindow(), 0x11111111u);
}

TEST(LibraryState, ItemLeavesOtherMacrosAlone) {
  LibraryState state;
  state.publish(PublishCall::Init, tableOf(0).data());
  auto table = tableOf(0);
  table[12291 + 3] = 1;      // Active[3]
  table[12291 + 4] = 1;      // Active[4]
  table[12790 + 6] = 0x34;   // Activation[3], low byte
  table[12790 + 7] = 0x12;
  state.publish(PublishCall::Item, table.data(), 3);
  EXPECT_EQ(state.byteAt(12291 + 3), 1);
  EXPECT_EQ(state.byteAt(12291 + 4), 0);
  EXPECT_EQ(state.u16At(12790 + 6), 0x1234);
}

TEST(LibraryState, ReadsIntegersLittleEndian) {
  LibraryState state;
  auto table = tableOf(0);
  putU32(table, 0, 0x00A1B2C3);
  state.publish(PublishCall::Window, table.data());
  EXPECT_EQ(state.mainWindow(), 0x00A1B2C3u);
  EXPECT_EQ(state.u16At(1), 0xA1B2);
  EXPECT_EQ(state.byteAt(0), 0xC3);
}

TEST(LibraryState, ReadsPastTheEndGiveZero) {
  LibraryState state;
  state.publish(PublishCall::Init, tableOf(0xFF).data());
  EXPECT_EQ(state.byteAt(kTableSize - 1), 0xFF);
  EXPECT_EQ(state.byteAt(kTableSize), 0);
  EXPECT_EQ(state.u16At(kTableSize - 1), 0);
  EXPECT_EQ(state.u32At(kTableSize - 3), 0u);
}

TEST(LibraryState, NullTableIsIgnored) {
  LibraryState state;
  state.publish(PublishCall::Init, tableOf(5).data());
  state.publish(PublishCall::Init, nullptr);
  state.publish(PublishCall::Item, nullptr, 1);
  EXPECT_EQ(state.byteAt(100), 5);
}

// The hook thread must never see half of a publishing call: a reader running
// while the whole table flips between two fills sees one fill throughout.
TEST(LibraryState, ReadersSeeWholePublications) {
  LibraryState state;
  const auto zeros = tableOf(0x00);
  const auto ones = tableOf(0xFF);
  state.publish(PublishCall::Init, zeros.data());
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    for (int i = 0; i < 2000; ++i) state.publish(PublishCall::Init, (i % 2 ? ones : zeros).data());
    stop = true;
  });
  int torn = 0, tornSettings = 0;
  while (!stop) {
    const auto copy = state.snapshot();
    for (auto b : copy) {
      if (b != copy[0]) {
        ++torn;
        break;
      }
    }
    // The hook path's read takes no lock and still sees one publication.
    const HookSettings settings = state.hookSettings();
    const auto& used = settings.hotKeyUsed;
    if (std::count(used.begin(), used.end(), used[0]) != static_cast<long>(used.size()) ||
        settings.mainWindow != (used[0] == 0 ? 0u : 0xFFFFFFFFu))
      ++tornSettings;
  }
  writer.join();
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(tornSettings, 0);
}

// The swap applies the library's own copy of the tables: what the program's
// block holds afterwards changes nothing until it is published again.
TEST(LibraryState, SwapTablesAreCopiedWhenPublished) {
  LibraryState state;
  const auto identity = state.hookSettings().keySwap;  // until the first publication
  EXPECT_EQ(std::string(identity.begin(), identity.end()), kSwapAlphabet);
  std::array<std::uint8_t, kSwapAlphabetSize> block{};
  std::copy(kSwapAlphabet.begin(), kSwapAlphabet.end(), block.begin());
  block[26] = 'b';  // a types b
  state.publishSwapTables(block.data());
  block[26] = 'z';  // another program writes the block
  state.publishSwapTables(nullptr);
  EXPECT_EQ(state.hookSettings().keySwap[26], 'b');
  state.publishSwapTables(block.data());
  EXPECT_EQ(state.hookSettings().keySwap[26], 'z');
}

}  // namespace
}  // namespace tavrix::hook
