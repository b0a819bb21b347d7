// Hands the latest value from one writing thread to one reading thread
// without either of them ever waiting: three slots, of which the writer owns
// one, the reader one, and the third is handed over. The writer fills its own
// slot and swaps it for the handed-over one; the reader, when that one is
// newer than its own, swaps them the other way. Neither touches the other's
// slot, so a read is never torn and never blocks on a lock.
#pragma once

#include <array>
#include <atomic>

namespace tavrix::hook {

template <typename T>
class LatestValue {
 public:
  // The writer's slot; fill it whole, then hand it over.
  T& draft() { return slots_[draft_]; }
  void handOver() { draft_ = handed_.exchange(draft_ | kNewer) & kSlot; }

  // The newest value handed over; stays valid until the reader's next call.
  const T& latest() {
    if ((handed_.load(std::memory_order_acquire) & kNewer) != 0) reading_ = handed_.exchange(reading_) & kSlot;
    return slots_[reading_];
  }

 private:
  static constexpr unsigned kSlot = 3;
  static constexpr unsigned kNewer = 4;

  std::array<T, 3> slots_{};
  unsigned draft_ = 0;    // the writer's
  unsigned reading_ = 2;  // the reader's
  std::atomic<unsigned> handed_{1};
};

}  // namespace tavrix::hook
