// The order of the macro list: the sort key of each macro from the three
// configured orders, the refill of the row map (`FillList`), the way back
// from a macro to its row (`ReverseSort`) and the orders a right click on a
// column header chooses.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/macro_index.h"

namespace tavrix {

// "Primary Sort" orders activation (1), nickname (2) and scope (3);
// "Activation Sort" hot keys (1), Wordlets (2) and timed macros (3);
// "Scope Sort" the five scope codes.
struct SortOrders {
  std::string primary = "123";
  std::string activation = "123";
  std::string scope = "12345";
};

// `text` when it holds each of the digits 1..`count` exactly once, else the
// default "123" or "12345".
std::string ValidSortOrder(std::string_view text, int count);

// The three parts of macro n's key. The activation part is the group prefix
// its place in "Activation Sort" gives ("AAAA", "AAAz", "AAz") followed by
// the hot key name or the Wordlet text; the scope part the prefix of its
// place in "Scope Sort" ("AAAAAA" .. "AAz") followed, for window and
// program scopes, by the table's 20-character scope name.
std::string ActivationSortPart(const MacroIndex& index, int n, const SortOrders& orders);
std::string ScopeSortPart(const MacroIndex& index, int n, const SortOrders& orders);
// The parts joined in the order "Primary Sort" names them.
std::string SortKey(const MacroIndex& index, int n, const SortOrders& orders);

// The row map: element r - 1 is the macro shown in row r. Keys compare as
// byte strings; macros with equal keys keep no particular order.
std::vector<int> FillList(const MacroIndex& index, const SortOrders& orders);

// The row (1-based) that shows macro n, 0 when none does.
int ReverseSort(const std::vector<int>& rowMap, int n);

// The "Primary Sort" a right click on header column 1 ("Activation"), 2
// ("Nickname") or 3 ("Scope") chooses; empty for the row-number column.
std::string HeaderSortOrder(int column);

}  // namespace tavrix
