// Keystrokes: plain characters, single keys, one-shot modifiers, Alt codes.
#include <cstdio>

#include "playback/player.h"
#include "base/virtual_keys.h"

namespace tavrix {

namespace {

// The Alt code that types an ANSI character: "0" and its code, "0233" for é.
std::string AnsiAltCode(unsigned char character) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "0%03u", static_cast<unsigned>(character));
  return digits;
}

}  // namespace

void Player::WaitKeyDelay() {
  if (state_.keyDelayOn) PauseForMilliseconds(state_.keyDelay);
}

void Player::TypeCharacter(unsigned char character, TextScan& scan) {
  WaitKeyDelay();
  // Caps Lock can come on in the middle of a playback (the user's key, or the
  // system putting back the lock state the keyboard itself shows); a letter
  // is typed as written all the same.
  if ((character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z')) KeepCapsLockOff();
  const std::int16_t scanned = character < 128 ? desktop_.KeyScan(character) : -1;
  if (scanned == -1) {
    // Characters 128-255, and any character the layout has no key for, go
    // through the numeric keypad.
    TypeAltCode(AnsiAltCode(character));
    return;
  }
  const auto key = static_cast<std::uint8_t>(scanned & 0xFF);
  switch ((scanned >> 8) & 0xFF) {
    case 1:
      PostVKey(vk::kShift, false);
      scan.shiftPending = true;
      break;
    case 2:
      PostVKey(vk::kControl, false);
      scan.ctrlPending = true;
      break;
    case 6:
      PostVKey(vk::kControl, false);
      PostVKey(vk::kMenu, false);
      scan.ctrlPending = true;
      scan.altPending = true;
      break;
    case 7:
      PostVKey(vk::kShift, false);
      PostVKey(vk::kControl, false);
      PostVKey(vk::kMenu, false);
      scan.shiftPending = true;
      scan.ctrlPending = true;
      scan.altPending = true;
      break;
    default:
      break;
  }
  PostVKey(key, false);
  PostVKey(key, true);
  ReleasePendingModifiers(scan);
}

// Alt held while the digits go down and up on the numeric keypad. A field
// that is not all digits sends only its digits.
void Player::TypeAltCode(std::string_view digits) {
  PostVKey(vk::kMenu, false);
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') continue;
    const auto key = static_cast<std::uint8_t>(vk::kNumpad0 + (digit - '0'));
    PostVKey(key, false);
    PostVKey(key, true);
  }
  PostVKey(vk::kMenu, true);
}

void Player::PressSingleKey(std::uint8_t key, bool keyDelay, TextScan& scan) {
  if (keyDelay) WaitKeyDelay();
  PostVKey(key, false);
  PostVKey(key, true);
  ReleasePendingModifiers(scan);
}

void Player::ReleasePendingModifiers(TextScan& scan) {
  if (scan.shiftPending) PostVKey(vk::kShift, true);
  if (scan.ctrlPending) PostVKey(vk::kControl, true);
  if (scan.altPending) PostVKey(vk::kMenu, true);
  scan.shiftPending = false;
  scan.ctrlPending = false;
  scan.altPending = false;
}

}  // namespace tavrix
