// Wordlets: typed abbreviations replaced by their macro. The hook library
// reports each character the user types; the typed buffer keeps the most
// recent ones of the Wordlet character set, `TestIt` matches them against the
// Wordlets of the active macros with the user's options, picks one macro by
// scope, erases the abbreviation with backspaces and plays the macro as a hot
// key would.
//
// What the user types lives only in this buffer in memory: it is never
// written anywhere.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/macro_index.h"

namespace tavrix {

class ActivationDispatcher;
class Desktop;
class Player;
class Ui;

inline constexpr std::size_t kMaxWordletMatches = 50;
inline constexpr std::size_t kTypedBufferLimit = 20;
inline constexpr std::uint32_t kWordletEraseWaitMs = 100;

// Letters, digits and ! @ # $ % ^ & _ = < > ? . ; , * - / +
bool IsWordletChar(char c);
// A Wordlet as a user may enter it: 1 to 10 characters of the set.
bool IsValidWordlet(std::string_view text);
// Prefix keys: at most 2 characters of the set (empty is fine).
bool IsValidPrefixKeys(std::string_view text);

struct WordletOptions {
  bool caseSensitive = true;
  bool useSuffix = false;
  std::string prefixKeys;  // at most 2 characters
  bool solitary = false;
};

// The typed buffer and the matching, free of any window: what the main
// window feeds it and what it answers.
class WordletMatcher {
 public:
  enum class Step : std::uint8_t {
    None,          // nothing to match
    Test,          // prefix mode: a character of the set was added
    TestAndClear,  // suffix mode: a space or carriage return ends the word
  };
  // One report of the hook library (private message 6). With TestAndClear
  // the caller runs `TestIt` and then empties the buffer.
  Step Feed(std::uint32_t state, std::uint8_t character, const WordletOptions& options);
  void Clear() { typed_.clear(); }
  const std::string& Typed() const { return typed_; }
  bool CapsLockOn() const { return capsLockOn_; }

  // The active Wordlet macros whose abbreviation the buffer shows, in table
  // order, at most 50.
  std::vector<int> Matches(const MacroIndex& index, const WordletOptions& options) const;

 private:
  std::string typed_;
  bool capsLockOn_ = false;
};

// Picks one of `matches` by scope: a window macro whose scope name is in the
// foreground window's title, else a program macro whose scope name is in the
// foreground program's file name, else the first global one; 0 for none.
int PickWordletMacro(const std::vector<int>& matches, const SharedMacroTable& table, const std::string& frontTitle,
                     const std::string& frontProgram);

// The backspaces that erase the abbreviation of a Wordlet `wordletLength`
// long: with the space or Enter in suffix mode, with the prefix otherwise.
int WordletBackspaces(std::size_t wordletLength, const WordletOptions& options);

// The main window's Wordlet side: feeds the matcher, refuses while the
// program is busy, erases and plays through the dispatcher.
class WordletPlayer {
 public:
  WordletPlayer(Desktop& desktop, Ui& ui, Player& player, ActivationDispatcher& dispatcher, const MacroIndex& index);

  // Private message 6; `options` are the user's current Wordlet options.
  void OnCharacter(std::uint32_t state, std::uint8_t character, const WordletOptions& options);
  // `TestIt`: matches the typed buffer and plays at most one macro. Answers
  // the macro played (0 none).
  int TestIt(const WordletOptions& options);
  WordletMatcher& Matcher() { return matcher_; }

  // Called with the macro number and the backspace count just before it
  // plays (the tool prints them).
  std::function<void(int macro, int backspaces)> onPlay;

 private:
  Desktop& desktop_;
  Ui& ui_;
  Player& player_;
  ActivationDispatcher& dispatcher_;
  const MacroIndex& index_;
  WordletMatcher matcher_;
  bool erasing_ = false;  // the backspaces of a Wordlet are being sent
};

}  // namespace tavrix
