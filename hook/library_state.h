// The library's own copy of the shared macro table. The program publishes
// changed fields from any thread; the hook thread reads them. Every access
// holds the lock only for a copy of at most one table, so the hook thread
// never waits long.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "hook/hook_settings.h"
#include "hook/table_fields.h"

namespace tavrix::hook {

class LibraryState {
 public:
  using Table = std::array<std::uint8_t, kTableSize>;

  // Copies the fields `call` names from the program's table (kTableSize
  // bytes). A null table is ignored: a faulty caller must not bring down the
  // hooks of every program.
  void publish(PublishCall call, const std::uint8_t* table, std::uint16_t macro = 0);

  std::uint8_t byteAt(std::size_t offset) const;
  std::uint16_t u16At(std::size_t offset) const;
  std::uint32_t u32At(std::size_t offset) const;

  std::uint32_t mainWindow() const { return u32At(kMainWindow.offset); }

  // A consistent copy of the whole table.
  Table snapshot() const;

  // The fields the key and mouse decisions need, read under one short lock.
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

  mutable std::mutex lock_;
  Table copy_{};
  int macrosPlaying_ = 0;
  std::uint32_t captureGeneration_ = 0;
};

}  // namespace tavrix::hook
