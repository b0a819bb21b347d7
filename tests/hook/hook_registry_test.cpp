#include "hook/hook_registry.h"

#include <gtest/gtest.h>

namespace tavrix::hook {
namespace {

TEST(HookRegistry, RemembersTheKindOfEachHandleUntilRemoved) {
  HookRegistry registry;
  EXPECT_TRUE(registry.add(0x100, HookKind::Keyboard));
  EXPECT_TRUE(registry.add(0x200, HookKind::Foreground));
  EXPECT_EQ(registry.remove(0x200), HookKind::Foreground);
  EXPECT_EQ(registry.remove(0x100), HookKind::Keyboard);
  EXPECT_TRUE(registry.empty());
}

TEST(HookRegistry, UnknownOrRepeatedRemovalsFindNothing) {
  HookRegistry registry;
  registry.add(0x100, HookKind::Mouse);
  EXPECT_FALSE(registry.remove(0x999).has_value());
  EXPECT_TRUE(registry.remove(0x100).has_value());
  EXPECT_FALSE(registry.remove(0x100).has_value());
}

TEST(HookRegistry, RefusesNullAndDuplicateHandles) {
  HookRegistry registry;
  EXPECT_FALSE(registry.add(0, HookKind::Keyboard));
  EXPECT_TRUE(registry.add(0x100, HookKind::Keyboard));
  EXPECT_FALSE(registry.add(0x100, HookKind::Swap));
  EXPECT_EQ(registry.remove(0x100), HookKind::Keyboard);
}

TEST(HookRegistry, CountsHooksOfOneKind) {
  HookRegistry registry;
  registry.add(1, HookKind::Foreground);
  registry.add(2, HookKind::Foreground);
  registry.add(3, HookKind::Keyboard);
  EXPECT_EQ(registry.count(HookKind::Foreground), 2u);
  EXPECT_EQ(registry.count(HookKind::Swap), 0u);
  registry.remove(1);
  EXPECT_EQ(registry.count(HookKind::Foreground), 1u);
}

}  // namespace
}  // namespace tavrix::hook
