// Finding a macro in the list by typing the start of its activation: the
// search text the list keeps while it has the focus, and the row it picks.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "store/macro_index.h"

namespace tavrix {

// What a key does to the search text.
enum class SearchKey {
  Reset,      // focus gained or lost, Tab, line feed, Enter, Esc, Ctrl, Alt, the page and cursor keys
  Backspace,  // the last character goes
  Character,  // its upper-case form is appended
};

// The activation text as the search compares it: "TIMED MACRO", the Wordlet
// text or the hot key name, in upper case.
std::string SearchText(const MacroIndex& index, int n);

// The first macro in display order whose search text begins with `typed`;
// 0 for none, and for an empty `typed`.
int FindTypedMacro(const MacroIndex& index, const std::vector<int>& rowMap, const std::string& typed);

class TypeAheadSearch {
 public:
  // Characters typed beyond it are dropped.
  static constexpr std::size_t kCapacity = 24;

  // Changes the search text; the macro to select afterwards, 0 to leave the
  // selection as it is.
  int Key(SearchKey key, char character, const MacroIndex& index, const std::vector<int>& rowMap);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace tavrix
