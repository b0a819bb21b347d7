// The road from an activation message to a playing macro (`Fire`): refuses
// while the program is busy, resumes a paused macro, handles the system
// activations, resolves the hot key against the scopes and runs the macro it
// means. Also runs a macro by number for the other roads (Wordlets, popup
// menus).
#pragma once

#include <cstdint>

#include "activation/activation_host.h"
#include "platform/desktop.h"
#include "platform/ui.h"
#include "playback/player.h"
#include "store/hook_library.h"
#include "store/macro_file.h"
#include "store/macro_record.h"

namespace tavrix {

// The busy messages, all shown with the title "Warning".
inline constexpr const char* kBusyTitle = "Warning";
inline constexpr const char* kPopupBusyText =
    "A current Popup Menu macro is being displayed. Another macro cannot be executed until either a choice is made "
    "from the Popup Menu or it is cancelled.";
inline constexpr const char* kCaptureBusyText =
    "A macro is currently being recorded. Another macro cannot be executed until the recording is completed.";
inline constexpr const char* kPauseBusyText =
    "A current playback macro is in the middle of a PAUSE. Another macro cannot be executed until the PAUSE is either "
    "cancelled or resumed.";

// How long a macro started by a hot key waits for the hot key's modifiers to
// be released before its first key, at most, and in steps of. The user lets
// go a few milliseconds after the key, so the step is what the first
// character waits on top of that: keep it at the finest the system's waits
// offer.
inline constexpr std::uint32_t kModifierReleaseLimitMs = 2000;
inline constexpr std::uint32_t kModifierReleaseStepMs = 1;

// How long the in-use mark may stay set without the library clearing it.
inline constexpr std::uint32_t kClearTimerMs = 15000;

class ActivationDispatcher {
 public:
  ActivationDispatcher(Desktop& desktop, Ui& ui, HookLibrary& hooks, MacroFile& file, Player& player,
                       ActivationHost& host);

  // The activation message (private message 2): wParam carries the hot key
  // code or a macro number to run directly, and the Caps Lock bit; the focus
  // window becomes the target window.
  void Fire(std::uint32_t wParam, WindowId focusWindow);

  // Runs macro n: a popup menu shows its menu, any other macro plays with the
  // in-use mark set, followed by the end-of-macro key and the clear timer.
  // Nothing for n <= 0 or a record that cannot be read.
  void RunMacro(int n);

  // The record RunMacro read last (the popup menu reads its entries here).
  const MacroRecord& RunBuffer() const { return runBuffer_; }

  // Busy flags this part reads. Paused is the player's; capturing is the
  // table's `CaptureOn`.
  bool PopupShown() const { return popupShown_; }
  void SetPopupShown(bool shown) { popupShown_ = shown; }
  bool Capturing() const { return file_.index().table().CaptureOn() != 0; }
  bool Paused() const { return player_.Paused(); }

  // Whether the activation being handled came from a popup-menu tray icon.
  bool StartedFromPopupTrayIcon() const { return fromPopupTrayIcon_; }
  void SetStartedFromPopupTrayIcon(bool fromIcon) { fromPopupTrayIcon_ = fromIcon; }

  // The code of the last activation that got past the busy checks.
  std::uint16_t LastCode() const { return lastCode_; }
  // The macro whose playback is running (0 none); the paused one during a pause.
  int PlayingMacro() const { return playingMacro_; }
  void SetPlayingMacro(int n) { playingMacro_ = n; }

  // The Caps Lock state the library reported last (private message 9).
  bool CapsLockOn() const { return capsLockOn_; }
  void SetCapsLockOn(bool on) { capsLockOn_ = on; }

 private:
  bool RefuseWhileBusy();
  void HandlePaused(std::uint16_t code);
  bool IsSystemActivation(std::uint16_t code, int digit) const;
  int SystemActivationDigitOf(std::uint16_t code) const;
  void RunSystemActivation(int digit);
  void ShowPopupMenu();
  void PlayRecord(int n);
  void WaitForModifiersUp(std::uint16_t activation);
  void SetInUse(std::uint8_t value);

  Desktop& desktop_;
  Ui& ui_;
  HookLibrary& hooks_;
  MacroFile& file_;
  Player& player_;
  ActivationHost& host_;
  MacroRecord runBuffer_;
  bool popupShown_ = false;
  bool fromPopupTrayIcon_ = false;
  bool capsLockOn_ = false;
  std::uint16_t lastCode_ = 0;
  int playingMacro_ = 0;
};

}  // namespace tavrix
