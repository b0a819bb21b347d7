#include "hook/stages/wordlet_stage.h"

#include "base/private_messages.h"
#include "base/virtual_keys.h"

namespace tavrix::hook {
namespace {

constexpr std::uint32_t kCapsOffState = 0;

struct KeyChars {
  std::uint16_t vk;
  char plain;
  char shifted;
};

// The US English layout's character keys other than letters.
constexpr KeyChars kKeys[] = {
    {'0', '0', ')'}, {'1', '1', '!'}, {'2', '2', '@'}, {'3', '3', '#'}, {'4', '4', '$'},
    {'5', '5', '%'}, {'6', '6', '^'}, {'7', '7', '&'}, {'8', '8', '*'}, {'9', '9', '('},
    {186, ';', ':'}, {187, '=', '+'}, {188, ',', '<'}, {189, '-', '_'}, {190, '.', '>'},
    {191, '/', '?'}, {192, '`', '~'}, {219, '[', '{'}, {220, '\\', '|'}, {221, ']', '}'},
    {222, '\'', '"'}, {32, ' ', ' '}, {13, '\r', '\r'}, {8, '\b', '\b'}, {9, '\t', '\t'},
    {106, '*', '*'}, {107, '+', '+'}, {109, '-', '-'}, {110, '.', '.'}, {111, '/', '/'},
};

// Escape, Page Up .. Down Arrow, Insert, Delete.
constexpr std::uint16_t kBreakKeys[] = {27, 33, 34, 35, 36, 37, 38, 39, 40, 45, 46};

// Backspace, Tab, Enter and the keypad type the same in every layout (the
// layout's table knows only the printable characters).
bool SameInEveryLayout(std::uint16_t vk) {
  return vk == 8 || vk == 9 || vk == 13 || (vk >= vk::kNumpad0 && vk <= 111);
}

}  // namespace

WordletStage::WordletStage() {
  for (std::uint16_t vk = 'A'; vk <= 'Z'; ++vk) {
    plain_[vk] = static_cast<std::uint8_t>(vk - 'A' + 'a');
    shifted_[vk] = static_cast<std::uint8_t>(vk);
  }
  for (std::uint16_t d = 0; d <= 9; ++d) plain_[vk::kNumpad0 + d] = shifted_[vk::kNumpad0 + d] = static_cast<std::uint8_t>('0' + d);
  for (const KeyChars& k : kKeys) {
    plain_[k.vk] = static_cast<std::uint8_t>(k.plain);
    shifted_[k.vk] = static_cast<std::uint8_t>(k.shifted);
  }
  for (std::uint16_t vk : kBreakKeys) breaks_[vk] = true;
}

std::uint8_t WordletStage::character(std::uint16_t vk, bool shift, bool capsLock) const {
  if (vk >= plain_.size()) return 0;
  const bool letter = vk >= 'A' && vk <= 'Z';
  return (letter ? shift != capsLock : shift) ? shifted_[vk] : plain_[vk];
}

HookVerdict WordletStage::decide(const InputEvent& event, const HookContext& context, HookOutcome& outcome) {
  const HookSettings& settings = context.settings;
  if (!settings.hasWordlets || settings.mainWindow == 0 || event.up || event.isWheel()) return HookVerdict::Pass;
  const auto post = [&](std::uint32_t state, std::uint8_t c) {
    outcome.posts.add({settings.mainWindow, kMsgWordletChar, state, c, false});
  };
  if (!event.isKey()) {
    post(kWordletReset, 0);
    return HookVerdict::Pass;
  }
  if (vk::isModifier(event.vk) || event.vk == vk::kCapital || event.vk == vk::kLeftWin ||
      event.vk == vk::kRightWin)
    return HookVerdict::Pass;
  const Modifiers& held = context.modifiers;
  const KeyCharacterMap* layout = settings.layout;
  // AltGr (Ctrl and Alt together) types characters in layouts that have them.
  const bool altGr = held.ctrl && held.alt && layout != nullptr;
  if (held.win || ((held.ctrl || held.alt) && !altGr) || (event.vk < breaks_.size() && breaks_[event.vk])) {
    post(kWordletReset, 0);
    return HookVerdict::Pass;
  }
  const bool capsLock = context.keys.capsLockOn();
  // A remapped key reports the character it types now; otherwise the layout
  // of the window in front says what the key types.
  std::uint8_t c = event.character;
  if (c == 0 && layout != nullptr) c = layout->character(event.vk, held.shift, altGr, capsLock);
  if (c == 0 && (layout == nullptr || SameInEveryLayout(event.vk)) && !altGr) c = character(event.vk, held.shift, capsLock);
  if (c != 0) {
    post(capsLock ? kWordletCapsOn : kCapsOffState, c);
  } else if (altGr) {
    post(kWordletReset, 0);
  }
  return HookVerdict::Pass;
}

}  // namespace tavrix::hook
