#include <gtest/gtest.h>

#include <vector>

#include "hook/library_state.h"

namespace tavrix::hook {
namespace {

void putU32(std::vector<std::uint8_t>& table, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) table[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The decisions read their fields at the table's documented offsets, each as
// the call that publishes it left it.
TEST(HookSettings, ReadFromThePublishedFields) {
  LibraryState state;
  std::vector<std::uint8_t> table(kTableSize, 0);
  putU32(table, 0, 0x00010203);    // MainWindow
  putU32(table, 752, 0x0A0B0C0D);  // EntryWindow
  table[756] = 1;                  // EntryActive
  table[777] = 1;                  // InUse
  table[14554] = 1;                // MouseSwapped
  table[14298] = 1;                // HasWordlets
  table[17 + 0] = 1;               // HotKeyUsed[0]
  table[17 + 719] = 1;             // HotKeyUsed[719]
  table[17 + 5] = 2;               // not 1: not in use
  state.publish(PublishCall::Init, table.data());

  const HookSettings settings = state.hookSettings();
  EXPECT_EQ(settings.mainWindow, 0x00010203u);
  EXPECT_EQ(settings.entryWindow, 0x0A0B0C0Du);
  EXPECT_TRUE(settings.entryActive);
  EXPECT_TRUE(settings.inUse);
  EXPECT_TRUE(settings.mouseSwapped);
  EXPECT_TRUE(settings.hasWordlets);
  EXPECT_TRUE(settings.used(0));
  EXPECT_TRUE(settings.used(719));
  EXPECT_FALSE(settings.used(5));
  EXPECT_FALSE(settings.used(1));
  EXPECT_FALSE(settings.used(720));

  std::vector<std::uint8_t> cleared(kTableSize, 0);
  state.publish(PublishCall::InUse, cleared.data());
  state.publish(PublishCall::Window2, cleared.data());
  state.publish(PublishCall::Keys, cleared.data());
  const HookSettings after = state.hookSettings();
  EXPECT_FALSE(after.inUse);
  EXPECT_FALSE(after.entryActive);
  EXPECT_EQ(after.entryWindow, 0u);
  EXPECT_EQ(after.mainWindow, 0x00010203u);
  EXPECT_FALSE(after.hasWordlets);
  EXPECT_FALSE(after.used(719));
}

class MacrosPlaying : public ::testing::Test {
 protected:
  void publishInUse(std::uint8_t value) {
    table[777] = value;
    state.publish(PublishCall::InUse, table.data());
  }
  bool inUse() const { return state.hookSettings().inUse; }

  LibraryState state;
  std::vector<std::uint8_t> table = std::vector<std::uint8_t>(kTableSize, 0);
};

// Pause stops aborting once the macro's end-of-macro marker has passed, not
// only when the program's clear timer publishes InUse 0 seconds later.
TEST_F(MacrosPlaying, InUseEndsWithTheMacrosMarker) {
  EXPECT_FALSE(inUse());
  publishInUse(1);
  EXPECT_TRUE(inUse());
  state.macroEnded();
  EXPECT_FALSE(inUse());
  EXPECT_EQ(state.byteAt(777), 1);  // the copy itself stays as published
  state.macroEnded();               // a stray marker
  publishInUse(1);
  EXPECT_TRUE(inUse());
}

// A macro started from inside another one's playback ends first; the outer
// one still plays.
TEST_F(MacrosPlaying, NestedMacrosEachNeedTheirMarker) {
  publishInUse(1);
  publishInUse(1);
  state.macroEnded();
  EXPECT_TRUE(inUse());
  state.macroEnded();
  EXPECT_FALSE(inUse());
}

// The clear timer (or start-up) publishes 0: nothing plays, even when a
// marker went missing.
TEST_F(MacrosPlaying, PublishedZeroEndsEverything) {
  publishInUse(1);
  publishInUse(1);
  publishInUse(0);
  EXPECT_FALSE(inUse());
  table[777] = 1;
  state.publish(PublishCall::Init, table.data());
  EXPECT_TRUE(inUse());
  table[777] = 0;
  state.publish(PublishCall::Init, table.data());
  EXPECT_FALSE(inUse());
  // Other calls leave it alone.
  publishInUse(1);
  table[777] = 0;
  state.publish(PublishCall::Capture, table.data());
  state.publish(PublishCall::Keys, table.data());
  EXPECT_TRUE(inUse());
}

}  // namespace
}  // namespace tavrix::hook
