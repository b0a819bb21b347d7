#include "hook/library_state.h"

#include <algorithm>
#include <cstring>

namespace tavrix::hook {

namespace {

std::uint32_t u32Of(const LibraryState::Table& table, std::size_t offset) {
  return static_cast<std::uint32_t>(table[offset]) |
         static_cast<std::uint32_t>(table[offset + 1]) << 8 |
         static_cast<std::uint32_t>(table[offset + 2]) << 16 |
         static_cast<std::uint32_t>(table[offset + 3]) << 24;
}

std::uint16_t u16Of(const LibraryState::Table& table, std::size_t offset) {
  return static_cast<std::uint16_t>(table[offset] | table[offset + 1] << 8);
}

StopKey stopKeyOf(const LibraryState::Table& table, std::size_t mouse, std::size_t key, std::size_t ctrl,
                  std::size_t alt, std::size_t shift, std::size_t win) {
  StopKey stop;
  stop.mouse = static_cast<std::uint8_t>(u16Of(table, mouse));
  stop.vk = u16Of(table, key);
  stop.modifiers = Modifiers{table[shift] != 0, table[ctrl] != 0, table[alt] != 0, table[win] != 0};
  stop.armed = stop.mouse != 0 || stop.vk != 0;
  return stop;
}

void readCapture(const LibraryState::Table& table, HookSettings& settings) {
  namespace at = layout;
  settings.captureOn = table[at::kCaptureOn] == 1;
  settings.captureMacro = u16Of(table, at::kCaptureMacro);
  CaptureOptions& options = settings.capture;
  options.keys = table[at::kCaptureKeys] != 0;
  options.mouse = table[at::kCaptureMouse] != 0;
  options.relativeToScreen = table[at::kCaptureRelative] != 0;
  options.time = table[at::kCaptureTime] != 0;
  options.windowSize = table[at::kCaptureWindowPos] != 0;
  options.doubleAlt = table[at::kCaptureDoubleAlt] != 0;
  settings.stop = stopKeyOf(table, at::kStopMouse, at::kStopKey, at::kStopCtrl, at::kStopAlt, at::kStopShift,
                            at::kStopWin);
  settings.stop2 = stopKeyOf(table, at::kStop2Mouse, at::kStop2Key, at::kStop2Ctrl, at::kStop2Alt,
                             at::kStop2Shift, at::kStop2Win);
  settings.stop2.armed = settings.stop2.armed && table[at::kStop2On] == 1;
}

}  // namespace

LibraryState::LibraryState() {
  std::copy(kSwapAlphabet.begin(), kSwapAlphabet.end(), swapTables_.begin());
  handOverSettings();
}

void LibraryState::publish(PublishCall call, const std::uint8_t* table, std::uint16_t macro) {
  if (table == nullptr) return;
  const auto fields = fieldsTakenBy(call, macro);
  std::lock_guard guard(publishers_);
  for (const ByteRange& field : fields) {
    std::memcpy(copy_.data() + field.offset, table + field.offset, field.size);
  }
  followInUse(call);
  if (call == PublishCall::Capture || call == PublishCall::Init) ++captureGeneration_;
  mainWindow_.store(u32Of(copy_, kMainWindow.offset), std::memory_order_release);
  handOverSettings();
}

void LibraryState::publishSwapTables(const std::uint8_t* tables) {
  if (tables == nullptr) return;
  std::lock_guard guard(publishers_);
  std::memcpy(swapTables_.data(), tables, swapTables_.size());
  handOverSettings();
}

// Each InUse of 1 the program publishes starts a macro; a 0 (the clear timer,
// or start-up) means none plays any more.
void LibraryState::followInUse(PublishCall call) {
  const bool inUse = copy_[kInUse.offset] == 1;
  if (call == PublishCall::InUse) {
    if (inUse) {
      macrosPlaying_.fetch_add(1);
    } else {
      macrosPlaying_.store(0);
    }
  } else if (call == PublishCall::Init) {
    macrosPlaying_.store(inUse ? 1 : 0);
  }
}

// On the hook thread: counts down, never below none.
void LibraryState::macroEnded() {
  int playing = macrosPlaying_.load();
  while (playing > 0 && !macrosPlaying_.compare_exchange_weak(playing, playing - 1)) {
  }
}

std::uint8_t LibraryState::byteAt(std::size_t offset) const {
  if (offset >= kTableSize) return 0;
  std::lock_guard guard(publishers_);
  return copy_[offset];
}

std::uint16_t LibraryState::u16At(std::size_t offset) const {
  if (offset + 2 > kTableSize) return 0;
  std::lock_guard guard(publishers_);
  return static_cast<std::uint16_t>(copy_[offset] | copy_[offset + 1] << 8);
}

std::uint32_t LibraryState::u32At(std::size_t offset) const {
  if (offset + 4 > kTableSize) return 0;
  std::lock_guard guard(publishers_);
  return static_cast<std::uint32_t>(copy_[offset]) |
         static_cast<std::uint32_t>(copy_[offset + 1]) << 8 |
         static_cast<std::uint32_t>(copy_[offset + 2]) << 16 |
         static_cast<std::uint32_t>(copy_[offset + 3]) << 24;
}


void LibraryState::handOverSettings() {
  static_assert(kHotKeyUsed.size == kHotKeyCount);
  HookSettings& settings = settings_.draft();
  settings.mainWindow = u32Of(copy_, kMainWindow.offset);
  settings.entryWindow = u32Of(copy_, kEntryWindow.offset);
  settings.entryActive = copy_[kEntryActive.offset] == 1;
  settings.mouseSwapped = copy_[kMouseSwapped.offset] == 1;
  settings.hasWordlets = copy_[kHasWordlets.offset] != 0;
  std::memcpy(settings.hotKeyUsed.data(), copy_.data() + kHotKeyUsed.offset,
              settings.hotKeyUsed.size());
  readCapture(copy_, settings);
  settings.captureGeneration = captureGeneration_;
  settings.keySwap = swapTables_;
  settings_.handOver();
}

HookSettings LibraryState::hookSettings() const {
  HookSettings settings = settings_.latest();
  settings.inUse = macrosPlaying_.load() > 0;
  return settings;
}

LibraryState::Table LibraryState::snapshot() const {
  std::lock_guard guard(publishers_);
  return copy_;
}

}  // namespace tavrix::hook
