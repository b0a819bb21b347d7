// The library's own copy of the shared macro table and of the key-swap
// tables. The program publishes changed fields from its thread; the hook
// thread reads the settings its decisions need without ever waiting: each
// publication rebuilds them aside and hands them over at once (LatestValue),
// so the hook path takes no lock.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "base/key_swap_alphabet.h"
#include "hook/hook_settings.h"
#include "hook/latest_value.h"
#include "hook/table_fields.h"

namespace tavrix::hook {

class LibraryState {
 public:
  using Table = std::array<std::uint8_t, kTableSize>;

  LibraryState();

  // Copies the fields `call` names from the program's table (kTableSize
  // bytes). A null table is ignored: a faulty caller must not bring down the
  // hooks of every program.
  void publish(PublishCall call, const std::uint8_t* table, std::uint16_t macro = 0);
  // Copies the 93 bytes of the key-swap tables; null is ignored. Until the
  // first call every character types itself.
  void publishSwapTables(const std::uint8_t* tables);

  // Reads of the copy for the program's side and the tests (they take the
  // publishers' lock; the hook path uses hookSettings and mainWindow).
  std::uint8_t byteAt(std::size_t offset) const;
  std::uint16_t u16At(std::size_t offset) const;
  std::uint32_t u32At(std::size_t offset) const;
  Table snapshot() const;

  std::uint32_t mainWindow() const { return mainWindow_.load(std::memory_order_acquire); }

  // The fields the key and mouse decisions need, as the last publication left
  // them, taken without a lock. One thread reads them (the hook thread; in the
  // simulated desktop, the test's own).
  // Its inUse is true from each publication of InUse as 1 until that macro's
  // end-of-macro marker has passed: the program clears InUse in the library
  // only with its 15-second timer, and Pause should not stay an abort key
  // that long after the macro ended.
  HookSettings hookSettings() const;

  // The end-of-macro marker passed: the last macro the program started (and
  // with nested macros, the innermost one still playing) has ended.
  void macroEnded();

 private:
  void followInUse(PublishCall call);
  // Builds the settings from the copy and hands them to the hook thread.
  void handOverSettings();

  mutable std::mutex publishers_;
  Table copy_{};
  std::array<std::uint8_t, kSwapAlphabetSize> swapTables_{};
  std::uint32_t captureGeneration_ = 0;
  std::atomic<int> macrosPlaying_{0};
  std::atomic<std::uint32_t> mainWindow_{0};
  mutable LatestValue<HookSettings> settings_;
};

}  // namespace tavrix::hook
