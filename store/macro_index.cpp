#include "store/macro_index.h"

#include <algorithm>
#include <stdexcept>

namespace tavrix {
namespace {

std::size_t Slot(int n) {
  if (n < 1 || n > kMaxMacros) throw std::out_of_range("macro number must be 1..500");
  return static_cast<std::size_t>(n);
}

std::string Cut(std::string_view text, std::size_t capacity) {
  return std::string(text.substr(0, std::min(text.size(), capacity)));
}

}  // namespace

int MacroIndex::Count() const { return std::clamp<int>(table_.MacroCount(), 0, kMaxMacros); }
void MacroIndex::SetCount(int count) { table_.SetMacroCount(std::clamp(count, 0, kMaxMacros)); }

const std::string& MacroIndex::NickName(int n) const { return nickNames_[Slot(n)]; }
void MacroIndex::SetNickName(int n, std::string_view text) { nickNames_[Slot(n)] = Cut(text, kNickNameCapacity); }
const std::string& MacroIndex::Wordlet(int n) const { return wordlets_[Slot(n)]; }
void MacroIndex::SetWordlet(int n, std::string_view text) { wordlets_[Slot(n)] = Cut(text, kWordletCapacity); }

void MacroIndex::TakeRecord(int n, const MacroRecord& record) {
  table_.SetScope(n, record.Scope());
  table_.SetScopeName(n, record.ScopeName());
  table_.SetActive(n, record.Active());
  table_.SetActivation(n, record.Activation());
  table_.SetTopMostOnly(n, record.TopMostOnly());
  SetNickName(n, record.NickName());
  SetWordlet(n, record.WordletText());
}

void MacroIndex::Clear() {
  table_.SetMacroCount(0);
  table_.ClearEntries();
  for (int n = 1; n <= kMaxMacros; ++n) {
    nickNames_[static_cast<std::size_t>(n)].clear();
    wordlets_[static_cast<std::size_t>(n)].clear();
  }
}

int SystemActivationUsing(const MacroIndex& index, std::uint16_t code) {
  const SharedMacroTable& table = index.table();
  for (int n = 1; n <= index.Count(); ++n) {
    if (table.Scope(n) != kScopeSystem || table.Active(n) == 0 || table.Activation(n) != code) continue;
    if (SystemActivationDigit(table.ScopeName(n)) != 0) return n;
  }
  return 0;
}

}  // namespace tavrix
