// The playback engine: plays a macro text as keystrokes, mouse events and
// commands on a Desktop, with the pause box and the repeat prompt on a Ui.
// One Player belongs to the main window and keeps the playback state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/desktop.h"
#include "platform/foreground_handover.h"
#include "platform/ui.h"
#include "playback/macro_element.h"
#include "playback/playback_commands.h"
#include "playback/playback_state.h"
#include "playback/player_host.h"

namespace tavrix {

class Player {
 public:
  // Text files that play text files stop nesting at this depth; a deeper
  // "<TFILE:" is skipped.
  static constexpr int MaxTextFileDepth = 16;

  Player(Desktop& desktop, Ui& ui, PlayerHost& host, PlaybackCommands& commands);

  PlaybackState& State() { return state_; }
  // The owner of every foreground step of a playback, and of the top-most
  // message (`DoAMessage`) that other parts show too.
  ForegroundHandover& Handover() { return handover_; }
  const PlaybackState& State() const { return state_; }
  bool Paused() const { return state_.paused; }

  // The macro whose text is about to play: the pause box shows its nickname
  // and, for a hot key macro, the hot key's name.
  void SetMacro(std::string nickname, std::uint16_t activation);

  // Starts a playback: resets the playback state, presses Caps Lock if the
  // trigger had it on, and plays a private copy of the text.
  void IntoProgram(std::string_view macroText);
  // Plays one macro text as the macro's own text (the scheduler calls it
  // directly after preparing the state). However the playback ends early, the
  // modifier keys it left down are released and Caps Lock is restored.
  void DoMacro(std::string_view text);
  // The hook library's abort message: honoured at the next step.
  void RequestAbort() { state_.abortRequested = true; }
  // Closes an open pause box as if Resume had been clicked (the paused
  // macro's hot key or the system activation that resumes a pause).
  void ResumePause();
  // Ends the playback at its next step as an abort does (keys released, Caps
  // Lock restored), but without telling the user: the program is closing. An
  // open pause box or repeat prompt goes as if answered, so nothing waits
  // for the user.
  void RequestStop();
  // Whether a playback is running (also while its pause box is open); one
  // started now runs inside it.
  bool Playing() const { return run_ != nullptr; }

  // --- Pieces the command implementations share ---------------------------
  // One key event (no extended-key flag for any key).
  void PostVKey(std::uint8_t key, bool up);
  // Waits `seconds` times the speed factor; nothing at speed 0.
  void PauseFor(double seconds);
  // Waits `seconds` whatever the speed factor.
  void PauseForNoSpeed(double seconds);
  // Waits `milliseconds` times the speed factor (truncated); nothing at speed 0.
  void PauseForMilliseconds(std::uint32_t milliseconds);
  void GetSystemSize();
  // The window itself or its nearest ancestor that is a top-level window; 0
  // when there is none.
  WindowId MakeSureItsAParent(WindowId window);
  // The repeat prompt; the count entered.
  std::uint16_t DoRepPrompt();
  // Puts text (up to its first NUL) on the clipboard and lets it settle.
  void FillClipboard(std::string_view text);

 private:
  enum class TextEnd { Finished, Ended, Stopped };
  enum class Step { Continue, EndText, Stop };

  // The scan of one text: nested texts have their own position and their own
  // one-shot modifiers.
  struct TextScan {
    std::string_view text;
    std::size_t position = 0;
    bool shiftPending = false;
    bool ctrlPending = false;
    bool altPending = false;
  };

  // Bookkeeping of one playback (one DoMacro of a macro's own text).
  struct Run {
    Run* enclosing = nullptr;  // the playback this one runs inside of
    bool abortMessageShown = false;
    // Caps Lock was on for the user and this playback turned it off; it
    // turns it on again when it ends.
    bool capsLockHeldOff = false;
    bool capsLockRestored = false;
    std::uint8_t modifiersDown = 0;  // bits: Shift, Ctrl, Alt, left Win
    // One-shot modifiers whose text ended before their next key (same bits);
    // a bit goes when its key goes up.
    std::uint8_t oneShotsLeftPending = 0;
    std::uint8_t buttonsDown = 0;    // bits: left, right, middle mouse button
    int textFileDepth = 0;
  };

  TextEnd PlayText(std::string_view text);
  Step Execute(const MacroElement& element, TextScan& scan);
  void FinishPlayback(TextEnd end);
  void RunEndSteps();
  void KeepOneShotsLeftPending(const TextScan& scan);
  void ReleaseOneShotsLeftPending();
  void ReleaseModifiersLeftDown();
  void ReleaseOnItsOwn(std::uint8_t key);
  void ReleaseButtonsLeftDown();
  void RestoreCapsLock();
  void KeepCapsLockOff();
  void ReleaseForEarlyEnd();
  void ShowAbortMessage();

  // Keys.
  void TypeCharacter(unsigned char character, TextScan& scan);
  void TypeAltCode(std::string_view digits);
  void PressSingleKey(std::uint8_t key, bool keyDelay, TextScan& scan);
  void ReleasePendingModifiers(TextScan& scan);
  void WaitKeyDelay();

  // Flow.
  Step StartRepeat(const MacroElement& element, TextScan& scan);
  Step TypeCounter(const MacroElement& element);
  Step DoPause(const MacroElement& element);
  std::string PauseCaption() const;
  Step PlayTextFile(std::string_view file);

  // Mouse and clipboard.
  void WaitMouseDelay();
  void ClickMouse(const MacroElement& element);
  void MovePointer(const MacroElement& element);
  void CopyOrPaste(std::uint8_t letter);
  void FillClipboardFromFile(std::string_view file);
  std::optional<std::string> ReadTextFile(std::string_view file);

  Desktop& desktop_;
  Ui& ui_;
  PlayerHost& host_;
  PlaybackCommands& commands_;
  ForegroundHandover handover_;
  PlaybackState state_;
  Run* run_ = nullptr;
  Form* openPause_ = nullptr;
  bool stopQuietly_ = false;
  // The boxes of this playback and of those it interrupted that are open
  // now, innermost last, each with the answer a stop gives it.
  std::vector<std::pair<Form*, ModalResult>> openBoxes_;
};

// A playback started while another one plays (a hot key pressed, or a
// schedule come due, during one of its waits) runs inside it. Whoever starts
// a playback holds one of these from before it touches the playback state
// until that playback has returned; the interrupted macro then goes on with
// its own repeat state, speed, delays, target window and name, as if nothing
// had happened. An abort requested meanwhile stays requested. Outside a
// playback it does nothing.
class NestedPlayback {
 public:
  explicit NestedPlayback(Player& player);
  ~NestedPlayback();
  NestedPlayback(const NestedPlayback&) = delete;
  NestedPlayback& operator=(const NestedPlayback&) = delete;

 private:
  Player& player_;
  std::optional<PlaybackState> interrupted_;
};

}  // namespace tavrix
