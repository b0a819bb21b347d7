// Which hooks the library has installed, by the handle it gave the program,
// so that TvxUnHook knows how to remove a handle and when the hook thread has
// nothing left to do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

namespace tavrix::hook {

enum class HookKind { Keyboard, Mouse, Swap, Foreground };

class HookRegistry {
 public:
  // False when the handle is 0 or already registered (the caller then undoes
  // the installation rather than lose track of it).
  bool add(std::uintptr_t handle, HookKind kind);

  // The kind of the handle, now forgotten; nothing for an unknown handle.
  std::optional<HookKind> remove(std::uintptr_t handle);

  std::size_t count(HookKind kind) const;
  bool empty() const { return hooks_.empty(); }

 private:
  std::map<std::uintptr_t, HookKind> hooks_;
};

}  // namespace tavrix::hook
