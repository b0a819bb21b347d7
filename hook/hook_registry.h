// Which hooks the library has installed. The program holds a token for each
// hook; behind the token is the system's handle of the moment, which changes
// when the library installs a lost hook again, while the token the program
// keeps stays valid for TvxUnHook. Tokens are drawn at random, so that no
// other program can guess one from the last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <vector>

namespace tavrix::hook {

enum class HookKind { Keyboard, Mouse, Swap, Foreground };

class HookRegistry {
 public:
  // `seed` starts the token draw; the library takes it from the system's
  // random source.
  explicit HookRegistry(std::uint32_t seed = std::random_device{}()) : draw_(seed) {}

  // Registers a hook under a new random token, never 0 and never one in use.
  std::uintptr_t issue(HookKind kind, std::uintptr_t systemHandle);

  // Registers `handle` as its own token. False when the handle is 0 or
  // already registered (the caller then undoes the installation rather than
  // lose track of it).
  bool add(std::uintptr_t handle, HookKind kind);

  // The kind of the token, now forgotten; nothing for an unknown token.
  std::optional<HookKind> remove(std::uintptr_t token);

  // The kind of a registered token.
  std::optional<HookKind> kindOf(std::uintptr_t token) const;

  // The system handle behind a token (0 for an unknown token, or while a
  // reinstallation failed).
  std::uintptr_t systemHandle(std::uintptr_t token) const;
  // Puts a new system handle behind a token; false for an unknown token.
  bool replaceSystemHandle(std::uintptr_t token, std::uintptr_t systemHandle);

  // The tokens of the low-level input hooks (keyboard, mouse, swap), in the
  // order they were installed.
  std::vector<std::uintptr_t> inputHookTokens() const;

  std::size_t count(HookKind kind) const;
  bool empty() const { return hooks_.empty(); }

 private:
  struct Entry {
    HookKind kind;
    std::uintptr_t systemHandle;
    std::uint64_t installed;  // the order of installation
  };
  std::map<std::uintptr_t, Entry> hooks_;
  std::mt19937 draw_;
  std::uint64_t installs_ = 0;
};

}  // namespace tavrix::hook
