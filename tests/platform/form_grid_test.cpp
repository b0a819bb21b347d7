// A grid on a form: what clicks, double clicks and the arrow keys do to its
// selection and which handlers they run, whatever Ui shows it.
#include "platform/form_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

// A grid of 4 rows by 3 columns whose first column is a heading.
class GridForm : public Form {
 public:
  GridForm() : Form("TGridForm", "Grid", 200, 120) {
    grid.onChange = [this] {
      events.push_back("change");
      return FormReply::Stay();
    };
    grid.onDoubleClick = [this] {
      events.push_back("double " + std::to_string(grid.pointed.row) + "," + std::to_string(grid.pointed.column));
      return FormReply::Stay();
    };
  }
  Grid grid{*this, "Grid", {8, 8, Grid::OuterWidth(3, 30, false), Grid::OuterHeight(3, 20)}, 4, 3, 1};
  std::vector<std::string> events;
};

TEST(FormGrid, StartsOnTheFirstCellThatIsNoHeadingAndShowsWholeRows) {
  GridForm form;
  EXPECT_EQ(form.grid.selected, (GridCell{0, 1}));
  EXPECT_EQ(form.grid.cells.size(), 12u);
  EXPECT_EQ(form.grid.bounds.width, 94);
  EXPECT_EQ(Grid::OuterWidth(2, 48, true), 96 + 4 + 17);
  EXPECT_EQ(form.grid.RowsShown(), 3);
}

TEST(FormGrid, ClicksDoubleClicksAndArrowKeys) {
  enum class Act { Click, DoubleClick, Move };
  const struct {
    const char* name;
    Act act;
    GridCell cell;  // the cell clicked, or the rows and columns moved
    GridCell selected;
    std::vector<std::string> events;
  } cases[] = {
      {"click a cell", Act::Click, {2, 2}, {2, 2}, {"change"}},
      {"click the selected cell", Act::Click, {0, 1}, {0, 1}, {}},
      {"click a heading", Act::Click, {2, 0}, {0, 1}, {}},
      {"click outside", Act::Click, {4, 1}, {0, 1}, {}},
      {"double click a cell", Act::DoubleClick, {3, 2}, {3, 2}, {"change", "double 3,2"}},
      {"double click the selected cell", Act::DoubleClick, {0, 1}, {0, 1}, {"double 0,1"}},
      {"double click a heading", Act::DoubleClick, {1, 0}, {0, 1}, {}},
      {"down", Act::Move, {1, 0}, {1, 1}, {"change"}},
      {"right", Act::Move, {0, 1}, {0, 2}, {"change"}},
      {"up at the top", Act::Move, {-1, 0}, {0, 1}, {}},
      {"left never reaches the heading", Act::Move, {0, -1}, {0, 1}, {}},
      {"page down stops at the last row", Act::Move, {10, 0}, {3, 1}, {"change"}},
  };
  for (const auto& c : cases) {
    GridForm form;
    if (c.act == Act::Click) ClickGridCell(form, form.grid, c.cell);
    if (c.act == Act::DoubleClick) DoubleClickGridCell(form, form.grid, c.cell, Bounds{10, 20, 30, 20});
    if (c.act == Act::Move) MoveGridSelection(form, form.grid, c.cell.row, c.cell.column);
    EXPECT_EQ(form.grid.selected, c.selected) << c.name;
    EXPECT_EQ(form.events, c.events) << c.name;
    if (c.act == Act::DoubleClick && !c.events.empty()) {
      ASSERT_TRUE(form.grid.pointedOnScreen) << c.name;
      EXPECT_EQ(form.grid.pointedOnScreen->top, 20) << c.name;
    }
  }
}

TEST(FormGrid, ADoubleClickWhoseSelectionChangeClosesTheFormGoesNoFurther) {
  GridForm form;
  form.grid.onChange = [] { return FormReply::Close(ModalResult::Ok); };
  DoubleClickGridCell(form, form.grid, {1, 1});
  EXPECT_EQ(form.modalResult, ModalResult::Ok);
  EXPECT_TRUE(form.events.empty());
}

}  // namespace
}  // namespace tavrix
