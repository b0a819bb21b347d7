// What "tavrix list --sorted", "info" and "output" share: the main window's
// order read from the command line.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "app/tavrix/command.h"
#include "shell/macro_list_order.h"

namespace tavrix::tool {

// "--sorted [--primary 123] [--activation 123] [--scope 12345]": the orders
// (each missing one at its default); nothing, with the reason on `err`, for
// anything else. An order that is not a permutation of its digits is refused.
std::optional<SortOrders> ListSortOrders(const Arguments& args, std::ostream& err);

// The macros in display order, or 1..count without orders.
std::vector<int> ListRows(const MacroIndex& index, const std::optional<SortOrders>& orders);

}  // namespace tavrix::tool
