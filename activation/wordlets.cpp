#include "activation/wordlets.h"

#include <cstring>

#include "activation/activation_dispatcher.h"
#include "activation/foreground_tracking.h"
#include "base/ascii_text.h"
#include "base/private_messages.h"
#include "platform/desktop.h"
#include "platform/ui.h"
#include "playback/player.h"
#include "playback/scope_resolution.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

constexpr std::uint8_t kBackspaceChar = 8;
constexpr std::uint8_t kBackspaceKey = 8;

std::string Comparable(std::string_view text, bool caseSensitive) {
  return caseSensitive ? std::string(text) : ToUpperAscii(text);
}

bool Contains(const std::string& haystack, const std::string& needle) {
  return haystack.find(needle) != std::string::npos;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether `subject` holds `first` + `second` at `at`, compared without
// building the candidate (this runs for every Wordlet on every character).
bool HoldsAt(const std::string& subject, std::size_t at, std::string_view first, std::string_view second,
             bool caseSensitive) {
  if (at + first.size() + second.size() > subject.size()) return false;
  for (char c : first)
    if (subject[at++] != (caseSensitive ? c : Upper(c))) return false;
  for (char c : second)
    if (subject[at++] != (caseSensitive ? c : Upper(c))) return false;
  return true;
}

}  // namespace

bool IsWordletChar(char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return c != '\0' && std::strchr("!@#$%^&_=<>?.;,*-/+", c) != nullptr;
}

bool IsValidWordlet(std::string_view text) {
  if (text.empty() || text.size() > kWordletCapacity) return false;
  for (char c : text)
    if (!IsWordletChar(c)) return false;
  return true;
}

bool IsValidPrefixKeys(std::string_view text) {
  return text.empty() || (text.size() <= 2 && IsValidWordlet(text));
}

WordletMatcher::Step WordletMatcher::Feed(std::uint32_t state, std::uint8_t character, const WordletOptions& options) {
  if (state == kWordletReset) {
    typed_.clear();
    return Step::None;
  }
  capsLockOn_ = state == kWordletCapsOn;
  const char c = static_cast<char>(character);
  if (IsWordletChar(c)) {
    typed_ += c;
    // The stored prefix sets the room even in suffix mode, where it is not
    // matched: the most recent prefix length + 10 characters stay.
    const std::size_t room = std::min(kTypedBufferLimit, options.prefixKeys.size() + kWordletCapacity);
    if (typed_.size() > room) typed_.erase(0, typed_.size() - room);
    return options.useSuffix ? Step::None : Step::Test;
  }
  if (character == kBackspaceChar) {
    if (!typed_.empty()) typed_.pop_back();
    return Step::None;
  }
  if (options.useSuffix && (c == ' ' || c == '\r')) return Step::TestAndClear;
  typed_.clear();
  return Step::None;
}

std::vector<int> WordletMatcher::Matches(const MacroIndex& index, const WordletOptions& options) const {
  std::vector<int> matches;
  const std::string prefix = options.useSuffix ? std::string() : options.prefixKeys;
  if (!prefix.empty() && !Contains(typed_, prefix)) return matches;
  const std::string subject = Comparable(typed_, options.caseSensitive);
  const bool whole = options.solitary || options.useSuffix;
  const SharedMacroTable& table = index.table();
  for (int n = 1; n <= index.Count() && matches.size() < kMaxWordletMatches; ++n) {
    if (table.Active(n) == 0 || table.Activation(n) != kWordletActivation) continue;
    const std::string& wordlet = index.Wordlet(n);
    if (wordlet.empty()) continue;
    const std::size_t length = prefix.size() + wordlet.size();
    bool found = false;
    if (whole) {
      found = length == subject.size() && HoldsAt(subject, 0, prefix, wordlet, options.caseSensitive);
    } else {
      for (std::size_t at = 0; !found && at + length <= subject.size(); ++at)
        found = HoldsAt(subject, at, prefix, wordlet, options.caseSensitive);
    }
    if (found) matches.push_back(n);
  }
  return matches;
}

int PickWordletMacro(const std::vector<int>& matches, const SharedMacroTable& table, const std::string& frontTitle,
                     const std::string& frontProgram) {
  const std::string title = ToUpperAscii(frontTitle);
  const std::string program = ToUpperAscii(frontProgram);
  if (!title.empty()) {
    for (int n : matches)
      if (table.Scope(n) == kScopeWindow && ScopeNameMatches(title, ToUpperAscii(table.ScopeName(n)))) return n;
  }
  if (!program.empty()) {
    for (int n : matches)
      if (table.Scope(n) == kScopeProgram && ScopeNameMatches(program, ToUpperAscii(table.ScopeName(n)))) return n;
  }
  for (int n : matches)
    if (table.Scope(n) == kScopeGlobal) return n;
  return 0;
}

int WordletBackspaces(std::size_t wordletLength, const WordletOptions& options) {
  return static_cast<int>(wordletLength + (options.useSuffix ? 1 : options.prefixKeys.size()));
}

WordletPlayer::WordletPlayer(Desktop& desktop, Ui& ui, Player& player, ActivationDispatcher& dispatcher,
                             const MacroIndex& index)
    : desktop_(desktop), ui_(ui), player_(player), dispatcher_(dispatcher), index_(index) {}

void WordletPlayer::OnCharacter(std::uint32_t state, std::uint8_t character, const WordletOptions& options) {
  if (index_.Count() == 0) return;
  // What the user types on while a Wordlet erases itself or any macro plays
  // never matches: the abbreviation would fire again, nested, and its
  // backspaces erase the user's own text.
  if (erasing_ || player_.Playing()) return;
  const WordletMatcher::Step step = matcher_.Feed(state, character, options);
  if (state != kWordletReset) player_.State().capsLockToggled = matcher_.CapsLockOn();
  if (step == WordletMatcher::Step::None) return;
  TestIt(options);
  if (step == WordletMatcher::Step::TestAndClear) matcher_.Clear();
}

int WordletPlayer::TestIt(const WordletOptions& options) {
  const std::vector<int> matches = matcher_.Matches(index_, options);
  if (matches.empty()) return 0;
  // A refused match keeps the typed buffer as it is.
  if (dispatcher_.PopupShown()) {
    player_.Handover().DoAMessage(kBusyTitle, kPopupBusyText);
    return 0;
  }
  if (dispatcher_.Capturing()) {
    player_.Handover().DoAMessage(kBusyTitle, kCaptureBusyText);
    return 0;
  }
  if (dispatcher_.Paused()) {
    player_.Handover().DoAMessage(kBusyTitle, kPauseBusyText);
    return 0;
  }
  const SharedMacroTable& table = index_.table();
  bool anyWindow = false;
  bool anyProgram = false;
  for (int n : matches) {
    anyWindow = anyWindow || table.Scope(n) == kScopeWindow;
    anyProgram = anyProgram || table.Scope(n) == kScopeProgram;
  }
  const WindowId front = desktop_.ForegroundWindow();
  const std::string title = anyWindow && front != 0 ? desktop_.WindowTitle(front) : std::string();
  const std::string program = anyProgram && front != 0 ? ProgramOfWindow(desktop_, front) : std::string();
  const int macro = PickWordletMacro(matches, table, title, program);
  if (macro == 0) return 0;

  const int backspaces = WordletBackspaces(index_.Wordlet(macro).size(), options);
  if (onPlay) onPlay(macro, backspaces);
  matcher_.Clear();
  // Each backspace gets through before the next, and all of them before the
  // macro's own input.
  {
    struct Erasing {
      explicit Erasing(bool& flag) : flag_(flag) { flag_ = true; }
      ~Erasing() { flag_ = false; }
      bool& flag_;
    } erasing(erasing_);
    for (int i = 0; i < backspaces; ++i) {
      desktop_.SendKey(kBackspaceKey, false);
      desktop_.SendKey(kBackspaceKey, true);
      desktop_.ProcessMessages();
    }
    desktop_.Wait(kWordletEraseWaitMs);
  }
  player_.State().targetWindow = desktop_.ForegroundWindow();
  dispatcher_.RunMacro(macro);
  matcher_.Clear();
  return macro;
}

}  // namespace tavrix
