#include "shell/macro_list_order.h"

#include <algorithm>
#include <utility>

#include "base/hot_key_table.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

constexpr const char* kActivationPrefixes[] = {"AAAA", "AAAz", "AAz"};
constexpr const char* kScopePrefixes[] = {"AAAAAA", "AAAAAz", "AAAAz", "AAAz", "AAz"};

// The place (0-based) of `digit` in an order; a digit the order lacks goes last.
std::size_t PlaceOf(const std::string& order, char digit) {
  const std::size_t place = order.find(digit);
  return place == std::string::npos ? order.size() - 1 : place;
}

int ActivationGroup(std::uint16_t code) {
  if (code == kTimedActivation) return 3;
  if (code == kWordletActivation) return 2;
  return 1;
}

// The quicksort of the list: the pivot is the middle row's key; rows move
// with their keys.
void QuickSort(std::vector<std::string>& keys, std::vector<int>& rows, int low, int high) {
  int i = low;
  int j = high;
  const std::string pivot = keys[static_cast<std::size_t>((low + high) / 2)];
  do {
    while (keys[static_cast<std::size_t>(i)] < pivot) ++i;
    while (pivot < keys[static_cast<std::size_t>(j)]) --j;
    if (i <= j) {
      std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)]);
      std::swap(rows[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>(j)]);
      ++i;
      --j;
    }
  } while (i <= j);
  if (low < j) QuickSort(keys, rows, low, j);
  if (i < high) QuickSort(keys, rows, i, high);
}

SortOrders Checked(const SortOrders& orders) {
  return SortOrders{ValidSortOrder(orders.primary, 3), ValidSortOrder(orders.activation, 3),
                    ValidSortOrder(orders.scope, 5)};
}

}  // namespace

std::string ValidSortOrder(std::string_view text, int count) {
  const std::string fallback = count == 5 ? "12345" : "123";
  if (text.size() != static_cast<std::size_t>(count)) return fallback;
  for (int digit = 1; digit <= count; ++digit)
    if (std::count(text.begin(), text.end(), static_cast<char>('0' + digit)) != 1) return fallback;
  return std::string(text);
}

std::string ActivationSortPart(const MacroIndex& index, int n, const SortOrders& orders) {
  const std::uint16_t code = index.table().Activation(n);
  const int group = ActivationGroup(code);
  std::string part =
      kActivationPrefixes[PlaceOf(ValidSortOrder(orders.activation, 3), static_cast<char>('0' + group))];
  if (group == 1) part += HotKeyName(code);
  if (group == 2) part += index.Wordlet(n);
  return part;
}

std::string ScopeSortPart(const MacroIndex& index, int n, const SortOrders& orders) {
  const std::int16_t scope = index.table().Scope(n);
  const char digit = scope >= 1 && scope <= 5 ? static_cast<char>('0' + scope) : '9';
  std::string part = kScopePrefixes[PlaceOf(ValidSortOrder(orders.scope, 5), digit)];
  if (scope == kScopeWindow || scope == kScopeProgram) part += index.table().ScopeName(n);
  return part;
}

std::string SortKey(const MacroIndex& index, int n, const SortOrders& orders) {
  std::string key;
  for (const char part : ValidSortOrder(orders.primary, 3)) {
    if (part == '1') key += ActivationSortPart(index, n, orders);
    if (part == '2') key += index.NickName(n);
    if (part == '3') key += ScopeSortPart(index, n, orders);
  }
  return key;
}

std::vector<int> FillList(const MacroIndex& index, const SortOrders& orders) {
  const int count = index.Count();
  std::vector<int> rows(static_cast<std::size_t>(count));
  for (int n = 1; n <= count; ++n) rows[static_cast<std::size_t>(n - 1)] = n;
  if (count < 2) return rows;
  const SortOrders checked = Checked(orders);
  std::vector<std::string> keys;
  keys.reserve(rows.size());
  for (int n = 1; n <= count; ++n) keys.push_back(SortKey(index, n, checked));
  QuickSort(keys, rows, 0, count - 1);
  return rows;
}

int ReverseSort(const std::vector<int>& rowMap, int n) {
  for (std::size_t row = 0; row < rowMap.size(); ++row)
    if (rowMap[row] == n) return static_cast<int>(row) + 1;
  return 0;
}

std::string HeaderSortOrder(int column) {
  switch (column) {
    case 1: return "132";
    case 2: return "213";
    case 3: return "321";
    default: return {};
  }
}

}  // namespace tavrix
