#include <gtest/gtest.h>

#include <set>

#include "hook/hook_registry.h"

namespace tavrix::hook {
namespace {

TEST(HookRegistryTokens, TokensAreUniqueNonZeroAndKeepTheirKind) {
  HookRegistry registry;
  std::set<std::uintptr_t> tokens;
  std::uintptr_t first = 0;
  for (int i = 0; i < 50; ++i) {
    const std::uintptr_t token = registry.issue(i % 2 ? HookKind::Mouse : HookKind::Keyboard, 0x100 + i);
    EXPECT_NE(token, 0u);
    EXPECT_TRUE(tokens.insert(token).second);
    if (i == 0) first = token;
  }
  EXPECT_EQ(registry.count(HookKind::Mouse), 25u);
  EXPECT_EQ(registry.remove(first), HookKind::Keyboard);
  EXPECT_FALSE(registry.remove(first).has_value());
}

// The system handle behind a token changes when a lost hook is installed
// again; the token the program holds still removes it.
TEST(HookRegistryTokens, SystemHandleIsReplacedBehindAStableToken) {
  HookRegistry registry;
  const auto keyboard = registry.issue(HookKind::Keyboard, 0xAAA);
  EXPECT_EQ(registry.systemHandle(keyboard), 0xAAAu);
  EXPECT_TRUE(registry.replaceSystemHandle(keyboard, 0xBBB));
  EXPECT_EQ(registry.systemHandle(keyboard), 0xBBBu);
  EXPECT_FALSE(registry.replaceSystemHandle(keyboard + 1, 0xCCC));
  EXPECT_EQ(registry.remove(keyboard), HookKind::Keyboard);
  EXPECT_EQ(registry.systemHandle(keyboard), 0u);
  EXPECT_FALSE(registry.replaceSystemHandle(keyboard, 0xCCC));
}

// Reinstalled in the order first installed, so the hooks keep their order in
// the system's chain; the foreground watcher is no input hook.
TEST(HookRegistryTokens, InputHooksListInInstallOrder) {
  HookRegistry registry;
  const auto swap = registry.issue(HookKind::Swap, 1);
  const auto watcher = registry.issue(HookKind::Foreground, 2);
  const auto keyboard = registry.issue(HookKind::Keyboard, 3);
  const auto mouse = registry.issue(HookKind::Mouse, 4);
  EXPECT_EQ(registry.inputHookTokens(), (std::vector<std::uintptr_t>{swap, keyboard, mouse}));
  registry.remove(keyboard);
  const auto keyboard2 = registry.issue(HookKind::Keyboard, 5);
  EXPECT_EQ(registry.inputHookTokens(), (std::vector<std::uintptr_t>{swap, mouse, keyboard2}));
  (void)watcher;
}

// Another program that knows one token (the control blocks show two) cannot
// work out the others, nor those of another run.
TEST(HookRegistryTokens, TokensFollowNoPattern) {
  HookRegistry registry(1), otherRun(2);
  std::set<std::uintptr_t> steps;
  std::uintptr_t last = registry.issue(HookKind::Keyboard, 1);
  EXPECT_NE(last, otherRun.issue(HookKind::Keyboard, 1));
  for (int i = 0; i < 8; ++i) {
    const std::uintptr_t token = registry.issue(HookKind::Mouse, 2);
    EXPECT_EQ(token % 4, 0u);
    steps.insert(token - last);
    last = token;
  }
  EXPECT_EQ(steps.size(), 8u);
}

TEST(HookRegistryTokens, IssuedTokensAvoidHandlesAddedAsTheirOwn) {
  HookRegistry registry;
  const auto first = registry.issue(HookKind::Keyboard, 1);
  ASSERT_TRUE(registry.add(first + 4, HookKind::Foreground));
  const auto second = registry.issue(HookKind::Mouse, 2);
  EXPECT_NE(second, first + 4);
  EXPECT_EQ(registry.remove(first + 4), HookKind::Foreground);
  EXPECT_EQ(registry.remove(second), HookKind::Mouse);
}

}  // namespace
}  // namespace tavrix::hook
