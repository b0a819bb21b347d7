// Reading a form's grid as a user sees it: one row's cells separated by
// "|", a bold cell's text between asterisks.
#pragma once

#include <string>

#include "platform/form_grid.h"

namespace tavrix::test_support {

inline std::string GridRow(const Grid& grid, int row) {
  std::string shown;
  for (int column = 0; column < grid.columnCount; ++column) {
    if (column > 0) shown += '|';
    const std::string& text = grid.Text({row, column});
    shown += grid.IsBold({row, column}) ? "*" + text + "*" : text;
  }
  return shown;
}

}  // namespace tavrix::test_support
