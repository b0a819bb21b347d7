// What the hook pipeline decided for one event: whether the event goes on,
// is swallowed or is replaced, the messages to post for it, and the few
// things the hook thread does afterwards outside the hook.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "hook/input_event.h"

namespace tavrix::hook {

// A message to post. The focus window is found by the caller, and only when
// asked for: the decisions themselves know nothing of windows.
struct HookPost {
  std::uint32_t window = 0;
  std::uint32_t message = 0;
  std::uint32_t wParam = 0;
  std::uint32_t lParam = 0;
  bool focusWindowAsLParam = false;
  bool operator==(const HookPost&) const = default;
};

// The posts of one event, in the order the stages made them. Held in place,
// so deciding an event never allocates; the room is enough for the longest
// tag a capture records for one event.
class HookPosts {
 public:
  static constexpr std::size_t kCapacity = 256;

  // False (and the post is left out) when the list is full.
  bool add(const HookPost& post) {
    if (count_ == kCapacity) return false;
    posts_[count_++] = post;
    return true;
  }
  void clear() { count_ = 0; }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const HookPost& operator[](std::size_t i) const { return posts_[i]; }
  const HookPost* begin() const { return posts_.data(); }
  const HookPost* end() const { return posts_.data() + count_; }

 private:
  std::array<HookPost, kCapacity> posts_{};
  std::size_t count_ = 0;
};

enum class HookVerdict : std::uint8_t {
  Pass,     // the event goes on to the next stage, and in the end to the system
  Swallow,  // the event ends here: no later stage and no program sees it
  Replace,  // the later stages and the system get `HookOutcome::replacement`
};

struct HookOutcome {
  HookVerdict verdict = HookVerdict::Pass;
  InputEvent replacement;  // with HookVerdict::Replace
  HookPosts posts;
  // Press and release vk::kUnassigned (marked) soon, outside the hook.
  bool sendMenuBlocker = false;
  // The end-of-macro marker passed (LibraryState::macroEnded).
  bool macroEnded = false;

  bool swallowed() const { return verdict == HookVerdict::Swallow; }
  void reset() {
    verdict = HookVerdict::Pass;
    posts.clear();
    sendMenuBlocker = false;
    macroEnded = false;
  }
};

}  // namespace tavrix::hook
