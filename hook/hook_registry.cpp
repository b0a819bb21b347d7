#include "hook/hook_registry.h"

namespace tavrix::hook {

bool HookRegistry::add(std::uintptr_t handle, HookKind kind) {
  if (handle == 0) return false;
  return hooks_.emplace(handle, kind).second;
}

std::optional<HookKind> HookRegistry::remove(std::uintptr_t handle) {
  const auto found = hooks_.find(handle);
  if (found == hooks_.end()) return std::nullopt;
  const HookKind kind = found->second;
  hooks_.erase(found);
  return kind;
}

std::size_t HookRegistry::count(HookKind kind) const {
  std::size_t n = 0;
  for (const auto& [handle, k] : hooks_) {
    if (k == kind) ++n;
  }
  return n;
}

}  // namespace tavrix::hook
