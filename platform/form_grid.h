// A grid of text cells in rows and columns, a control of the forms
// (platform/form.h). The first `fixedColumns` columns are headings: shaded
// silver, never selected, and a double click on them does nothing. One cell
// of the others is selected and drawn in the highlight colours; a click
// selects a cell, the arrow keys move the selection, a double click selects
// a cell and runs the grid's `onDoubleClick`. Rows are `rowHeight` pixels
// high at 96 dots per inch (the display's factor scales them); the columns
// share the grid's width equally, and a vertical scroll bar shows when the
// rows do not fit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"

namespace tavrix {

struct GridCell {
  int row = 0;
  int column = 0;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

class Grid : public Control {
 public:
  // The sunken border on each side and the vertical scroll bar, at 96 dots
  // per inch: a form sizes a grid with them (OuterWidth, OuterHeight).
  static constexpr int kFrame = 2;
  static constexpr int kScrollBarWidth = 17;

  Grid(Form& form, std::string name, Bounds bounds, int rowCount, int columnCount, int fixedColumns = 0);

  const int rowCount;
  const int columnCount;
  const int fixedColumns;
  int rowHeight = 20;
  // Texts centred in their cells; otherwise from the left.
  bool centred = false;
  // The texts row by row (rowCount × columnCount), and which are drawn bold.
  std::vector<std::string> cells;
  std::vector<bool> bold;
  GridCell selected;
  // The cell of the last double click, and its place on the screen (in
  // screen pixels) when the Ui knows it.
  GridCell pointed;
  std::optional<Bounds> pointedOnScreen;

  bool Contains(GridCell cell) const;
  bool Selectable(GridCell cell) const { return Contains(cell) && cell.column >= fixedColumns; }
  std::string& Text(GridCell cell) { return cells[Index(cell)]; }
  const std::string& Text(GridCell cell) const { return cells[Index(cell)]; }
  bool IsBold(GridCell cell) const { return bold[Index(cell)]; }
  void SetBold(GridCell cell, bool on) { bold[Index(cell)] = on; }
  // How many whole rows the grid shows at once.
  int RowsShown() const;

  // The outer size of a grid whose `columns` columns are `columnWidth` wide
  // (with room for the scroll bar when `scrolls`) and that shows `rows` rows.
  static int OuterWidth(int columns, int columnWidth, bool scrolls);
  static int OuterHeight(int rows, int rowHeight);

 private:
  std::size_t Index(GridCell cell) const;
};

// What a user does on a grid, as every Ui reports it. A click selects the
// cell (a fixed cell or one outside the grid: nothing) and runs `onChange`
// when the selection moved; a double click does the same and then runs
// `onDoubleClick`; the arrow keys move the selection by `rows` and
// `columns`, stopping at the grid's edges.
FormReply ClickGridCell(Form& form, Grid& grid, GridCell cell);
FormReply DoubleClickGridCell(Form& form, Grid& grid, GridCell cell, std::optional<Bounds> onScreen = {});
FormReply MoveGridSelection(Form& form, Grid& grid, int rows, int columns);

}  // namespace tavrix
