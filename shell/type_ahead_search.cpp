#include "shell/type_ahead_search.h"

#include "base/hot_key_table.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperText(std::string text) {
  for (char& c : text) c = Upper(c);
  return text;
}

}  // namespace

std::string SearchText(const MacroIndex& index, int n) {
  const std::uint16_t code = index.table().Activation(n);
  if (code == kTimedActivation) return "TIMED MACRO";
  if (code == kWordletActivation) return UpperText(index.Wordlet(n));
  return UpperText(HotKeyName(code));
}

int FindTypedMacro(const MacroIndex& index, const std::vector<int>& rowMap, const std::string& typed) {
  if (typed.empty()) return 0;
  for (const int n : rowMap) {
    if (n < 1 || n > index.Count()) continue;
    if (SearchText(index, n).starts_with(typed)) return n;
  }
  return 0;
}

int TypeAheadSearch::Key(SearchKey key, char character, const MacroIndex& index, const std::vector<int>& rowMap) {
  switch (key) {
    case SearchKey::Reset: text_.clear(); break;
    case SearchKey::Backspace:
      if (!text_.empty()) text_.pop_back();
      break;
    case SearchKey::Character:
      if (text_.size() < kCapacity) text_ += Upper(character);
      break;
  }
  return FindTypedMacro(index, rowMap, text_);
}

}  // namespace tavrix
