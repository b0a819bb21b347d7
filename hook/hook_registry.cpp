#include "hook/hook_registry.h"

#include <algorithm>

namespace tavrix::hook {

std::uintptr_t HookRegistry::issue(HookKind kind, std::uintptr_t systemHandle) {
  // Multiples of 4, as handles are; never 0 nor one still registered.
  std::uintptr_t token = 0;
  while (token == 0 || hooks_.count(token) != 0) token = static_cast<std::uintptr_t>(draw_() & ~3u);
  hooks_.emplace(token, Entry{kind, systemHandle, ++installs_});
  return token;
}

bool HookRegistry::add(std::uintptr_t handle, HookKind kind) {
  if (handle == 0) return false;
  return hooks_.emplace(handle, Entry{kind, handle, ++installs_}).second;
}

std::optional<HookKind> HookRegistry::remove(std::uintptr_t token) {
  const auto found = hooks_.find(token);
  if (found == hooks_.end()) return std::nullopt;
  const HookKind kind = found->second.kind;
  hooks_.erase(found);
  return kind;
}

std::optional<HookKind> HookRegistry::kindOf(std::uintptr_t token) const {
  const auto found = hooks_.find(token);
  if (found == hooks_.end()) return std::nullopt;
  return found->second.kind;
}

std::uintptr_t HookRegistry::systemHandle(std::uintptr_t token) const {
  const auto found = hooks_.find(token);
  return found == hooks_.end() ? 0 : found->second.systemHandle;
}

bool HookRegistry::replaceSystemHandle(std::uintptr_t token, std::uintptr_t systemHandle) {
  const auto found = hooks_.find(token);
  if (found == hooks_.end()) return false;
  found->second.systemHandle = systemHandle;
  return true;
}

std::vector<std::uintptr_t> HookRegistry::inputHookTokens() const {
  std::vector<std::pair<std::uint64_t, std::uintptr_t>> inOrder;
  for (const auto& [token, entry] : hooks_) {
    if (entry.kind != HookKind::Foreground) inOrder.emplace_back(entry.installed, token);
  }
  std::sort(inOrder.begin(), inOrder.end());
  std::vector<std::uintptr_t> tokens;
  for (const auto& [installed, token] : inOrder) tokens.push_back(token);
  return tokens;
}

std::size_t HookRegistry::count(HookKind kind) const {
  std::size_t n = 0;
  for (const auto& [token, entry] : hooks_) {
    if (entry.kind == kind) ++n;
  }
  return n;
}

}  // namespace tavrix::hook
