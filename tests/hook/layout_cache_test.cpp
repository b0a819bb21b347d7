#include "hook/layout_cache.h"

#include <gtest/gtest.h>

namespace tavrix::hook {
namespace {

// The hooks only look layouts up; reading one (224 questions to the system)
// happens once, off the hook path, and the oldest gives way to a seventh.
TEST(LayoutCache, FindNeverReadsAndEachLayoutIsReadOnce) {
  LayoutCache cache;
  int questions = 0;
  const KeyCharacterMap::KeyScan scan = [&questions](std::uint8_t c) {
    ++questions;
    return static_cast<std::int16_t>(c == 'a' ? 0x41 : -1);
  };
  EXPECT_EQ(cache.find(0x409), nullptr);
  EXPECT_EQ(questions, 0);
  const KeyCharacterMap& us = cache.read(0x409, scan);
  EXPECT_EQ(questions, 224);
  EXPECT_EQ(cache.find(0x409), &us);
  EXPECT_EQ(us.character(0x41, false, false, false), 'a');
  cache.read(0x409, scan);
  EXPECT_EQ(questions, 224);
  for (std::uintptr_t layout = 1; layout <= LayoutCache::kPlaces; ++layout) cache.read(layout, scan);
  EXPECT_EQ(cache.find(0x409), nullptr);
  EXPECT_NE(cache.find(LayoutCache::kPlaces), nullptr);
}

}  // namespace
}  // namespace tavrix::hook
