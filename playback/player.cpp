// The playback loop and the end of a playback.
#include "playback/player.h"

#include <utility>

#include "playback/field_conversion.h"
#include "playback/macro_text_recognizer.h"
#include "base/virtual_keys.h"

namespace tavrix {

namespace {

constexpr std::size_t LaunchTitleCapacity = 30;

// The bit of a modifier key in Run::modifiersDown, 0 for other keys.
std::uint8_t ModifierBit(std::uint8_t key) {
  switch (key) {
    case vk::kShift: return 1;
    case vk::kControl: return 2;
    case vk::kMenu: return 4;
    case vk::kLeftWin: return 8;
    default: return 0;
  }
}

// The commands that move the foreground away from the window in front (or
// may: a launched program, a browser, the list refilled after a swap).
bool MovesForeground(ElementKind kind) {
  switch (kind) {
    case ElementKind::Swap:
    case ElementKind::Activate:
    case ElementKind::Launch:
    case ElementKind::LaunchWait:
    case ElementKind::LaunchOrActivate:
    case ElementKind::WindowQuit:
    case ElementKind::WindowHide:
    case ElementKind::WindowShow:
    case ElementKind::WindowMaximize:
    case ElementKind::WindowMinimize:
    case ElementKind::WindowRestore:
    case ElementKind::WindowClose:
    case ElementKind::Http:
    case ElementKind::Ftp:
      return true;
    default:
      return false;
  }
}

}  // namespace

Player::Player(Desktop& desktop, Ui& ui, PlayerHost& host, PlaybackCommands& commands)
    : desktop_(desktop), ui_(ui), host_(host), commands_(commands), handover_(desktop, ui, host) {}

void Player::SetMacro(std::string nickname, std::uint16_t activation) {
  state_.nickname = std::move(nickname);
  state_.activation = activation;
}

void Player::IntoProgram(std::string_view macroText) {
  state_.abortRequested = false;
  stopQuietly_ = false;
  // The record buffer may be reloaded while this plays (a second trigger).
  const std::string copy(macroText);
  // A playback inside another one finds Caps Lock already off; the
  // interrupted one turns it on again when it ends.
  if (run_ != nullptr && run_->capsLockHeldOff && !run_->capsLockRestored) state_.capsLockToggled = false;
  if (state_.capsLockToggled) {
    PostVKey(vk::kCapital, false);
    PostVKey(vk::kCapital, true);
  }
  state_.inRepeatPasses = false;
  state_.lastPass = false;
  state_.pauseShown = false;
  state_.programWasMinimized = false;
  state_.mouseDelayOn = false;
  state_.keyDelayOn = false;
  state_.speedFactor = 1.0;
  GetSystemSize();
  DoMacro(copy);
}

void Player::DoMacro(std::string_view text) {
  Run run;
  run.capsLockHeldOff = state_.capsLockToggled;
  run.enclosing = run_;
  Run* const outer = std::exchange(run_, &run);
  const TextEnd end = PlayText(text);
  if (end != TextEnd::Stopped) ReleaseOneShotsLeftPending();
  FinishPlayback(end);
  run_ = outer;
}

Player::TextEnd Player::PlayText(std::string_view text) {
  TextScan scan{text};
  TextEnd end = TextEnd::Finished;
  while (scan.position < text.size()) {
    if (state_.abortRequested) {
      ShowAbortMessage();
      return TextEnd::Stopped;
    }
    const MacroElement element = RecognizeElement(text, scan.position);
    scan.position += element.length;
    const Step step = Execute(element, scan);
    if (step == Step::Stop) return TextEnd::Stopped;
    if (step == Step::EndText) {
      end = TextEnd::Ended;
      break;
    }
    desktop_.ProcessMessages();
  }
  KeepOneShotsLeftPending(scan);
  return end;
}

Player::Step Player::Execute(const MacroElement& element, TextScan& scan) {
  switch (element.kind) {
    case ElementKind::Character:
      TypeCharacter(element.character, scan);
      break;
    case ElementKind::Key:
      PressSingleKey(element.key, true, scan);
      break;
    case ElementKind::MouseKey:
      PressSingleKey(element.key, false, scan);
      break;
    case ElementKind::KeyDown:
      PostVKey(element.key, false);
      break;
    case ElementKind::KeyUp:
      PostVKey(element.key, true);
      break;
    case ElementKind::OneShotShift:
      PostVKey(vk::kShift, false);
      scan.shiftPending = true;
      break;
    case ElementKind::OneShotCtrl:
      PostVKey(vk::kControl, false);
      scan.ctrlPending = true;
      break;
    case ElementKind::OneShotAlt:
      PostVKey(vk::kMenu, scan.altPending);
      scan.altPending = !scan.altPending;
      break;
    case ElementKind::AltCode:
      WaitKeyDelay();
      TypeAltCode(element.field);
      break;
    case ElementKind::Pause:
    case ElementKind::PauseMessage:
      return DoPause(element);
    case ElementKind::Delay:
      PauseFor(LeadingDecimal(element.field));
      break;
    case ElementKind::MillisecondDelay:
      PauseForMilliseconds(static_cast<std::uint32_t>(element.number));
      break;
    case ElementKind::Speed:
      if (const auto factor = WholeDecimal(element.field)) state_.speedFactor = *factor;
      break;
    case ElementKind::KeyDelay:
      state_.keyDelay = static_cast<std::uint16_t>(element.number);
      state_.keyDelayOn = element.number != 0;
      break;
    case ElementKind::MouseDelay:
      state_.mouseDelay = static_cast<std::uint16_t>(element.number);
      state_.mouseDelayOn = element.number != 0;
      break;
    case ElementKind::Repeat:
    case ElementKind::PromptRepeat:
      return StartRepeat(element, scan);
    case ElementKind::EndRepeat:
      state_.lastPass = false;
      break;
    case ElementKind::Counter:
      return TypeCounter(element);
    case ElementKind::Remark:
    case ElementKind::Test:
    case ElementKind::EndClipboard:
      break;
    case ElementKind::ClipboardBlock:
      // Without an "<ENDCLIP>" the rest of the text is neither typed nor
      // put on the clipboard.
      if (element.terminated) FillClipboard(element.text);
      break;
    case ElementKind::TextFile:
      return PlayTextFile(element.text);
    case ElementKind::MouseButton:
      ClickMouse(element);
      break;
    case ElementKind::WheelForward:
    case ElementKind::WheelBackward:
    case ElementKind::MoveOnScreen:
    case ElementKind::MoveInWindow:
      MovePointer(element);
      break;
    case ElementKind::ClipboardCopy:
      CopyOrPaste('C');
      break;
    case ElementKind::ClipboardPaste:
      CopyOrPaste('V');
      PauseForNoSpeed(0.1);
      break;
    case ElementKind::ClipboardFile:
      FillClipboardFromFile(element.text);
      break;
    case ElementKind::Date:
    case ElementKind::Time:
      for (const char c : commands_.DateTimeText(element)) TypeCharacter(static_cast<unsigned char>(c), scan);
      break;
    case ElementKind::LaunchWait:
    case ElementKind::LaunchOrActivate:
      state_.launchTitle = std::string(element.title.substr(0, LaunchTitleCapacity));
      [[fallthrough]];
    default:
      if (MovesForeground(element.kind)) handover_.LetFrontWindowTakeKeys();
      if (commands_.Execute(element, state_) == CommandOutcome::EndText) return Step::EndText;
      break;
  }
  return Step::Continue;
}

// An early end (abort, aborted pause, a window that was not found) must not
// leave a modifier or mouse button the macro pressed held down for the user;
// a macro that ends normally may hold one on purpose and keeps it held.
void Player::FinishPlayback(TextEnd end) {
  if (end == TextEnd::Stopped) {
    ReleaseForEarlyEnd();
    return;
  }
  if (end == TextEnd::Ended) {
    ReleaseModifiersLeftDown();
    ReleaseButtonsLeftDown();
  }
  RunEndSteps();
}

void Player::RunEndSteps() {
  RestoreCapsLock();
  if (state_.pauseShown && !host_.InTrayMode()) {
    host_.ShowMainWindow();
    if (state_.programWasMinimized) host_.MinimizeProgram();
    state_.targetWindow = MakeSureItsAParent(state_.targetWindow);
    handover_.BringToFront(state_.targetWindow);
  }
}

// A one-shot modifier waits for the next key of its own text. A text that
// ends first leaves it held: a nested text's into the enclosing text's keys,
// as before, but the macro's own text has no next key at all, and the user's
// keys would arrive with it held. So the end of the macro releases them.
void Player::KeepOneShotsLeftPending(const TextScan& scan) {
  if (!run_) return;
  if (scan.shiftPending) run_->oneShotsLeftPending |= ModifierBit(vk::kShift);
  if (scan.ctrlPending) run_->oneShotsLeftPending |= ModifierBit(vk::kControl);
  if (scan.altPending) run_->oneShotsLeftPending |= ModifierBit(vk::kMenu);
}

void Player::ReleaseOneShotsLeftPending() {
  for (const std::uint8_t key : {vk::kShift, vk::kControl, vk::kMenu}) {
    const std::uint8_t bit = ModifierBit(key);
    if ((run_->oneShotsLeftPending & bit) && (run_->modifiersDown & bit)) ReleaseOnItsOwn(key);
  }
  run_->oneShotsLeftPending = 0;
}

void Player::ReleaseModifiersLeftDown() {
  for (const std::uint8_t key : {vk::kShift, vk::kControl, vk::kMenu, vk::kLeftWin}) {
    if (run_->modifiersDown & ModifierBit(key)) ReleaseOnItsOwn(key);
  }
}

// A key the player lets go of by itself, not because the macro says so. Alt
// or Win pressed and released with no key between opens the menu of the
// window in front (or the Start menu), and the user's next keys would go
// there: a key that no keyboard has comes between.
void Player::ReleaseOnItsOwn(std::uint8_t key) {
  if (key == vk::kMenu || key == vk::kLeftWin) {
    PostVKey(static_cast<std::uint8_t>(vk::kUnassigned), false);
    PostVKey(static_cast<std::uint8_t>(vk::kUnassigned), true);
  }
  PostVKey(key, true);
}

void Player::RestoreCapsLock() {
  if (!run_ || !run_->capsLockHeldOff || run_->capsLockRestored) return;
  run_->capsLockRestored = true;
  PostVKey(vk::kCapital, false);
  PostVKey(vk::kCapital, true);
}

// A playback types with Caps Lock off from start to end. When it has come on
// again (while a box of ours had the keyboard, or in the middle of typing),
// it is turned off before the macro goes on, and the end turns it on again.
void Player::KeepCapsLockOff() {
  if (!run_ || run_->capsLockRestored || !desktop_.CapsLockOn()) return;
  PostVKey(vk::kCapital, false);
  PostVKey(vk::kCapital, true);
  run_->capsLockHeldOff = true;
}

// What an early end undoes for the user: the keys and buttons the macro left
// down, and Caps Lock.
void Player::ReleaseForEarlyEnd() {
  ReleaseModifiersLeftDown();
  ReleaseButtonsLeftDown();
  RestoreCapsLock();
}

// Every enclosing text sees the abort too, and so does every playback this
// one runs inside of; the user is told once. The box is modal: whatever the
// user presses while it is open must not arrive with a macro's Ctrl or Shift
// still held, so the keyboard is put right first.
void Player::ShowAbortMessage() {
  if (stopQuietly_) return;
  if (run_ && run_->abortMessageShown) return;
  Run* const current = run_;
  for (Run* run = current; run != nullptr; run = run->enclosing) {
    run->abortMessageShown = true;
    run_ = run;
    ReleaseForEarlyEnd();
  }
  run_ = current;
  handover_.DoAMessage("Macro Abort", "Tavrix macro has been aborted.");
}

void Player::PostVKey(std::uint8_t key, bool up) {
  desktop_.SendKey(key, up);
  if (!run_) return;
  const std::uint8_t bit = ModifierBit(key);
  if (up) {
    run_->modifiersDown &= static_cast<std::uint8_t>(~bit);
    run_->oneShotsLeftPending &= static_cast<std::uint8_t>(~bit);
  } else {
    run_->modifiersDown |= bit;
  }
}

void Player::GetSystemSize() {
  state_.screenWidth = desktop_.ScreenWidth();
  state_.screenHeight = desktop_.ScreenHeight();
}

NestedPlayback::NestedPlayback(Player& player) : player_(player) {
  if (player_.Playing()) interrupted_ = player_.State();
}

NestedPlayback::~NestedPlayback() {
  if (!interrupted_) return;
  PlaybackState& state = player_.State();
  const bool abort = state.abortRequested || interrupted_->abortRequested;
  state = std::move(*interrupted_);
  state.abortRequested = abort;
}

WindowId Player::MakeSureItsAParent(WindowId window) {
  const std::vector<WindowId> topLevel = desktop_.TopLevelWindows();
  // The parent chain is finite on any sane desktop; the bound guards a broken one.
  for (int step = 0; window != 0 && step < 256; ++step, window = desktop_.ParentWindow(window)) {
    for (const WindowId candidate : topLevel) {
      if (candidate == window) return window;
    }
  }
  return 0;
}

}  // namespace tavrix
