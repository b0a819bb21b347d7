// The recording of a capture: turns the user's keys, clicks and wheel turns
// into macro text that plays them back in the same order. Keys become the
// characters they type (a "<" as a Shift and a comma, so that it can never
// start a tag), or the tag of their key; Ctrl, Alt, Win and, around keys
// that are not characters and around clicks, Shift are written as explicit
// down and up tags when a key or click is made with them, so a modifier the
// user only touched leaves nothing. A lone Alt tap (menus) is recorded when
// asked for. Clicks are written at their points, on the screen or relative
// to the window in front, whose size can be recorded before its first mouse
// action. With the time on, the user's pause before each recorded action is
// written as a wait. The stop keys leave nothing, and at the end every key
// and button the recording holds down is released.
//
// It runs on the hook thread: no allocation, no waiting. The text of each
// event collects in a fixed buffer that the caller takes and clears.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "hook/capture_options.h"
#include "hook/modifiers.h"
#include "hook/stages/wordlet_stage.h"

namespace tavrix::hook {

class CaptureRecorder {
 public:
  enum class Result : std::uint8_t {
    Idle,      // not recording: the event is none of the recorder's business
    Recorded,  // taken (perhaps writing nothing)
    Stopped,   // a stop key: the recording has ended with this event, which it leaves out
  };

  // Longest text one event can make, with room to spare.
  static constexpr std::size_t kBufferSize = 512;

  void start(const CaptureOptions& options, const StopKey& first, const StopKey& second);
  // Ends the recording: releases what the text holds down. Nothing after it
  // is recorded.
  void finish();
  bool recording() const { return recording_; }

  // `held`: the modifiers down with this event counted; `time` in
  // milliseconds (any origin, wrapping).
  // `typed`: the character a remapped key types instead of its own, or 0.
  Result key(std::uint16_t vk, bool up, Modifiers held, std::uint32_t time, std::uint8_t typed = 0);
  // `button`: 1 left, 2 right, 3 middle; (x, y) on the screen.
  Result button(std::uint8_t button, bool up, std::int32_t x, std::int32_t y, const FrontWindow& front,
                Modifiers held, std::uint32_t time);
  // `notches`: positive forward, negative backward.
  Result wheel(int notches, std::int32_t x, std::int32_t y, const FrontWindow& front, Modifiers held,
               std::uint32_t time);

  // The text written since the last clear.
  std::string_view text() const { return {buffer_.data(), size_}; }
  void clearText() { size_ = 0; }

 private:
  bool isStop(const StopKey& stop, std::uint8_t mouse, std::uint16_t vk, Modifiers held) const;
  void pauseBefore(std::uint32_t time);
  void syncModifiers(Modifiers held, bool withShift);
  void releaseModifiersNotHeld(Modifiers held);
  void pointerAt(std::int32_t x, std::int32_t y, const FrontWindow& front);
  void character(std::uint8_t c);
  void put(std::string_view s);
  void putNumber(unsigned value, int width);

  CaptureOptions options_;
  StopKey stops_[2];
  bool recording_ = false;
  bool timed_ = false;       // a recorded action has set lastTime_
  std::uint32_t lastTime_ = 0;
  Modifiers written_;        // modifiers the text holds down
  std::uint8_t buttonsDown_ = 0;  // bit per button the text holds down
  bool altAlone_ = false;    // Alt went down and nothing came with it yet
  bool altHeld_ = false;
  bool pointerKnown_ = false;
  bool pointerRelative_ = false;
  std::int32_t pointerX_ = 0;
  std::int32_t pointerY_ = 0;
  std::uint32_t sizedWindow_ = 0;
  bool windowSized_ = false;
  WordletStage characters_;
  std::array<char, kBufferSize> buffer_{};
  std::size_t size_ = 0;
};

}  // namespace tavrix::hook
