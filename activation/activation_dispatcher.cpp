#include "activation/activation_dispatcher.h"

#include <utility>

#include "activation/hot_key_release.h"
#include "base/private_messages.h"
#include "playback/scope_resolution.h"

namespace tavrix {
namespace {

constexpr std::uint32_t kMacroNumberMask = 0xAFFF;
constexpr std::uint32_t kCodeMask = 0x7FFF;

constexpr int kActivateMeDigit = 1;
constexpr int kCaptureDigit = 2;
constexpr int kResumePauseDigit = 3;
constexpr int kTopMostMenuDigit = 4;

}  // namespace

ActivationDispatcher::ActivationDispatcher(Desktop& desktop, Ui& ui, HookLibrary& hooks, MacroFile& file,
                                           Player& player, ActivationHost& host)
    : desktop_(desktop), ui_(ui), hooks_(hooks), file_(file), player_(player), host_(host) {}

void ActivationDispatcher::Fire(std::uint32_t wParam, WindowId focusWindow) {
  if (RefuseWhileBusy()) return;
  // A key pressed while a macro plays (during one of its waits) plays its
  // macro inside that playback; the playing macro then goes on as before.
  const NestedPlayback nested(player_);

  if ((wParam & kActivationDirectMacroBit) != 0) {
    // The library has chosen the macro already. Playback returns the focus
    // to the window the key was pressed in, not to an older one.
    if (focusWindow != 0) player_.State().targetWindow = focusWindow;
    RunMacro(static_cast<int>(wParam & kMacroNumberMask));
    return;
  }

  fromPopupTrayIcon_ = false;
  const bool capsLockBit = (wParam & kActivationCapsLockBit) != 0;
  const auto code = static_cast<std::uint16_t>(wParam & kCodeMask);

  if (player_.Paused()) {
    HandlePaused(code);
    return;
  }

  lastCode_ = code;
  // A second key while the first macro's input is still queued keeps the
  // flag the first one set.
  if (file_.index().table().InUse() == 0) player_.State().capsLockToggled = capsLockBit;
  player_.State().targetWindow = focusWindow;

  // Another copy changed the shared file: everything is reloaded and the key
  // goes on against the fresh table. It is replayed here rather than as
  // synthetic keys, which carry the own-input marker and would never reach
  // the hooks as a hot key.
  host_.ReloadIfNetworkFileChanged();

  if (const int digit = SystemActivationDigitOf(code); digit != 0) {
    RunSystemActivation(digit);
    return;
  }

  RunMacro(GetMacro(file_.index().table(), desktop_, code, player_.State().targetWindow));
}

bool ActivationDispatcher::RefuseWhileBusy() {
  if (popupShown_) {
    player_.Handover().DoAMessage(kBusyTitle, kPopupBusyText);
    return true;
  }
  if (Capturing()) {
    player_.Handover().DoAMessage(kBusyTitle, kCaptureBusyText);
    return true;
  }
  return false;
}

void ActivationDispatcher::HandlePaused(std::uint16_t code) {
  bool resumes = IsSystemActivation(code, kResumePauseDigit);
  if (!resumes && playingMacro_ != 0) {
    // The resolution may bring a window forward; the paused playback keeps
    // its own target.
    WindowId scratchTarget = player_.State().targetWindow;
    resumes = GetMacro(file_.index().table(), desktop_, code, scratchTarget) == playingMacro_;
  }
  if (!resumes) {
    player_.Handover().DoAMessage(kBusyTitle, kPauseBusyText);
    return;
  }
  // The user still holds the key that resumes: the keys after the pause
  // must not arrive with its Ctrl or Shift held, nor be lost to them.
  WaitForModifiersUp(code);
  // Caps Lock on now (the user's, or the keyboard's own state given back to
  // the box) is put off again by the playback once the box has closed.
  player_.ResumePause();
}

int ActivationDispatcher::SystemActivationDigitOf(std::uint16_t code) const {
  const int n = SystemActivationUsing(file_.index(), code);
  return n == 0 ? 0 : SystemActivationDigit(file_.index().table().ScopeName(n));
}

bool ActivationDispatcher::IsSystemActivation(std::uint16_t code, int digit) const {
  return SystemActivationDigitOf(code) == digit;
}

void ActivationDispatcher::RunSystemActivation(int digit) {
  switch (digit) {
    case kActivateMeDigit: host_.ActivateMe(); break;
    case kCaptureDigit: host_.StartCaptureFromHotKey(); break;
    case kTopMostMenuDigit: host_.ShowMenuForTopMostWindow(); break;
    default: break;  // Resume Pause acts only while a pause box is open.
  }
}

void ActivationDispatcher::RunMacro(int n) {
  if (n <= 0 || n > file_.index().Count()) return;
  const NestedPlayback nested(player_);
  if (!file_.ReadRecord(n, runBuffer_)) return;
  if (runBuffer_.Scope() == kScopePopupMenu) {
    ShowPopupMenu();
    return;
  }
  PlayRecord(n);
}

void ActivationDispatcher::ShowPopupMenu() {
  popupShown_ = true;
  const int chosen = host_.ShowPopupMenu(runBuffer_);
  popupShown_ = false;
  if (chosen > 0) RunMacro(chosen);
}

void ActivationDispatcher::PlayRecord(int n) {
  SetInUse(1);
  player_.SetMacro(runBuffer_.NickName(), runBuffer_.Activation());
  const std::string text = runBuffer_.MacroText();
  WaitForModifiersUp(runBuffer_.Activation());

  // A macro started directly during another one's pause must not make the
  // paused one forget who it is.
  const int outer = std::exchange(playingMacro_, n);
  player_.IntoProgram(text);
  playingMacro_ = outer;

  player_.PostVKey(static_cast<std::uint8_t>(kEndOfMacroKey), false);
  player_.PostVKey(static_cast<std::uint8_t>(kEndOfMacroKey), true);
  host_.StartClearTimer();
}

void ActivationDispatcher::WaitForModifiersUp(std::uint16_t activation) {
  WaitForHotKeyRelease(desktop_, activation, kModifierReleaseLimitMs, kModifierReleaseStepMs);
}

void ActivationDispatcher::SetInUse(std::uint8_t value) {
  SharedMacroTable& table = file_.index().table();
  table.SetInUse(value);
  hooks_.TvxUpInUse(table.bytes());
}

}  // namespace tavrix
