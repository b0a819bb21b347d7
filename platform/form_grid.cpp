#include "platform/form_grid.h"

#include <algorithm>

namespace tavrix {

Grid::Grid(Form& form, std::string name, Bounds bounds, int rowCount, int columnCount, int fixedColumns)
    : Control(form, ControlKind::Grid, std::move(name), bounds, {}),
      rowCount(std::max(rowCount, 1)),
      columnCount(std::max(columnCount, 1)),
      fixedColumns(std::clamp(fixedColumns, 0, this->columnCount - 1)),
      cells(static_cast<std::size_t>(this->rowCount * this->columnCount)),
      bold(cells.size(), false),
      selected{0, this->fixedColumns},
      pointed(selected) {}

bool Grid::Contains(GridCell cell) const {
  return cell.row >= 0 && cell.row < rowCount && cell.column >= 0 && cell.column < columnCount;
}

std::size_t Grid::Index(GridCell cell) const {
  const GridCell inside{std::clamp(cell.row, 0, rowCount - 1), std::clamp(cell.column, 0, columnCount - 1)};
  return static_cast<std::size_t>(inside.row * columnCount + inside.column);
}

int Grid::RowsShown() const { return std::max(1, (bounds.height - 2 * kFrame) / std::max(rowHeight, 1)); }

int Grid::OuterWidth(int columns, int columnWidth, bool scrolls) {
  return columns * columnWidth + 2 * kFrame + (scrolls ? kScrollBarWidth : 0);
}

int Grid::OuterHeight(int rows, int rowHeight) { return rows * rowHeight + 2 * kFrame; }

namespace {

// Selects `cell` when the user may; true when the selection moved.
bool Select(Grid& grid, GridCell cell) {
  if (!grid.Selectable(cell) || cell == grid.selected) return false;
  grid.selected = cell;
  return true;
}

FormReply SelectionMoved(Form& form, Grid& grid, bool moved) {
  return moved ? form.Changed(grid) : FormReply::Stay();
}

}  // namespace

FormReply ClickGridCell(Form& form, Grid& grid, GridCell cell) {
  return SelectionMoved(form, grid, Select(grid, cell));
}

FormReply DoubleClickGridCell(Form& form, Grid& grid, GridCell cell, std::optional<Bounds> onScreen) {
  if (!grid.Selectable(cell)) return FormReply::Stay();
  const FormReply moved = SelectionMoved(form, grid, Select(grid, cell));
  if (moved.kind != FormReply::Kind::Stay || form.Closed()) return moved;
  grid.pointed = cell;
  grid.pointedOnScreen = onScreen;
  return form.DoubleClicked(grid);
}

FormReply MoveGridSelection(Form& form, Grid& grid, int rows, int columns) {
  const GridCell to{std::clamp(grid.selected.row + rows, 0, grid.rowCount - 1),
                    std::clamp(grid.selected.column + columns, grid.fixedColumns, grid.columnCount - 1)};
  return SelectionMoved(form, grid, Select(grid, to));
}

}  // namespace tavrix
