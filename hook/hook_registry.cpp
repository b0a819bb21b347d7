#include "hook/hook_registry.h"

namespace tavrix::hook {

std::uintptr_t HookRegistry::issue(HookKind kind, std::uintptr_t systemHandle) {
  // Skip tokens still registered (after a wrap-around, or a handle added as
  // its own token).
  while (nextToken_ == 0 || hooks_.count(nextToken_) != 0) nextToken_ += 4;
  const std::uintptr_t token = nextToken_;
  nextToken_ += 4;
  hooks_.emplace(token, Entry{kind, systemHandle});
  return token;
}

bool HookRegistry::add(std::uintptr_t handle, HookKind kind) {
  if (handle == 0) return false;
  return hooks_.emplace(handle, Entry{kind, handle}).second;
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
  std::vector<std::uintptr_t> tokens;
  for (const auto& [token, entry] : hooks_) {
    if (entry.kind != HookKind::Foreground) tokens.push_back(token);
  }
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
