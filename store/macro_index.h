// What the program keeps in memory of the macro file: the shared macro table
// (per macro its scope, scope name, active flag, activation and top-most
// flag, plus the count) and the nickname and Wordlet lists. Everything else
// is read from the file when it is needed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "store/macro_record.h"
#include "store/shared_macro_table.h"

namespace tavrix {

class MacroIndex {
 public:
  SharedMacroTable& table() { return table_; }
  const SharedMacroTable& table() const { return table_; }

  // The table's macro count, read as 0..500 whatever it holds.
  int Count() const;
  void SetCount(int count);

  // Macro number n = 1..500 (std::out_of_range otherwise).
  const std::string& NickName(int n) const;
  void SetNickName(int n, std::string_view text);  // cut to 50
  const std::string& Wordlet(int n) const;
  void SetWordlet(int n, std::string_view text);  // cut to 10

  // Copies the record's index fields into entry n: scope, the first 20
  // characters of the scope name, active flag, activation, top-most flag,
  // nickname and Wordlet.
  void TakeRecord(int n, const MacroRecord& record);
  // Count 0 and every entry emptied.
  void Clear();

 private:
  SharedMacroTable table_;
  std::array<std::string, kMaxMacros + 1> nickNames_;
  std::array<std::string, kMaxMacros + 1> wordlets_;
};

// The macro number of the first active SYSTEM activation (a digit "1".."4"
// in its scope name) on hot key `code`, 0 when there is none. Such a code
// always runs the system activation, whatever other macro shares it.
int SystemActivationUsing(const MacroIndex& index, std::uint16_t code);

}  // namespace tavrix
