// A form's grid and a button's hint as the one Windows binding builds them:
// the grid paints headings silver and the selected cell in the highlight
// colours, scrolls to a selection below its last row shown, takes the arrow
// keys and reports a double click with the cell's place on the screen; a
// button with a hint gets a tooltip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/form_grid.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/win32_ui.h"
#include "tests/support/win32/window_helpers.h"

#include <commctrl.h>

namespace tavrix {
namespace {

// 12 rows of 3 columns (the first a heading), 5 of them shown at once.
struct GridBox : Form {
  GridBox() : Form("TGridBox", "Grid Box", 300, 200) {
    for (int row = 0; row < grid.rowCount; ++row)
      for (int column = 0; column < grid.columnCount; ++column)
        grid.Text({row, column}) = std::to_string(row) + "." + std::to_string(column);
    grid.onChange = [this] {
      events.push_back("change");
      return FormReply::Stay();
    };
    grid.onDoubleClick = [this] {
      events.push_back("double " + std::to_string(grid.pointed.row) + "," + std::to_string(grid.pointed.column));
      return grid.pointed.column == 2 ? FormReply::Close(ModalResult::Ok) : FormReply::Stay();
    };
    hinted.hint = "A hint";
    activeControl = &grid;
  }
  Grid grid{*this, "Grid", {8, 8, Grid::OuterWidth(3, 40, true), Grid::OuterHeight(5, 20)}, 12, 3, 1};
  Button hinted{*this, "Hinted", {200, 160, 75, 25}, "&Hinted"};
  std::vector<std::string> events;
};

// Where the grid draws `cell` now: its middle on the screen, -1 outside.
POINT CellPoint(HWND grid, GridCell cell) {
  const auto answer = SendMessageA(grid, kGridCellPoint, static_cast<WPARAM>(cell.row), cell.column);
  POINT at{static_cast<short>(LOWORD(answer)), static_cast<short>(HIWORD(answer))};
  return at;
}

// The colour a little inside the top left corner of `cell` (away from its text).
COLORREF CellColour(HWND grid, GridCell cell) {
  const POINT middle = CellPoint(grid, cell);
  UpdateWindow(grid);
  HDC dc = GetDC(grid);
  const COLORREF colour = GetPixel(dc, middle.x - 15, middle.y - 6);
  ReleaseDC(grid, dc);
  return colour;
}

int ToolCount(HWND form) {
  int tools = 0;
  for (HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip != nullptr;
       tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr))
    if (GetWindow(tip, GW_OWNER) == form) tools += static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
  return tools;
}

void DoubleClick(HWND grid, GridCell cell) {
  const POINT at = CellPoint(grid, cell);
  PostMessageA(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
}

TEST(UiGrid, PaintsScrollsTakesKeysAndReportsDoubleClicks) {
  wintest::TakeQuit();
  Win32Ui ui;
  GridBox form;
  struct Seen {
    COLORREF heading = 0, selected = 0, plain = 0;
    int scrollPosition = -1;
    int tools = 0;
  } seen;
  RECT cellOnScreen{};
  int step = 0;
  wintest::TimerScript user([&] {
    HWND box = wintest::FindOwnWindow("Grid Box");
    HWND grid = box != nullptr ? wintest::FindChild(box, kGridClassName) : nullptr;
    if (grid == nullptr) return false;
    switch (step++) {
      case 0:
        seen.heading = CellColour(grid, {0, 0});
        seen.selected = CellColour(grid, {0, 1});
        seen.plain = CellColour(grid, {0, 2});
        seen.tools = ToolCount(box);
        // Down past the last row shown: the grid scrolls along.
        for (int i = 0; i < 6; ++i) SendMessageA(grid, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageA(grid, WM_KEYDOWN, VK_LEFT, 0);
        return false;
      case 1: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_POS;
        GetScrollInfo(grid, SB_VERT, &info);
        seen.scrollPosition = info.nPos;
        DoubleClick(grid, {7, 0});  // a heading: nothing
        DoubleClick(grid, {8, 2});
        const POINT at = CellPoint(grid, {8, 2});
        cellOnScreen = RECT{at.x, at.y, at.x, at.y};
        MapWindowPoints(grid, nullptr, reinterpret_cast<POINT*>(&cellOnScreen), 2);
        return true;
      }
      default:
        return true;
    }
  });
  EXPECT_EQ(ui.RunForm(form), ModalResult::Ok);
  EXPECT_TRUE(user.finished());
  EXPECT_EQ(seen.heading, RGB(192, 192, 192));
  EXPECT_EQ(seen.selected, GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(seen.plain, GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(seen.tools, 1);
  EXPECT_EQ(seen.scrollPosition, 2);  // row 6 is the last of five shown
  EXPECT_EQ(form.events, (std::vector<std::string>{"change", "change", "change", "change", "change", "change",
                                                   "change", "double 8,2"}));
  EXPECT_EQ(form.grid.selected, (GridCell{8, 2}));
  ASSERT_TRUE(form.grid.pointedOnScreen);
  const Bounds& cell = *form.grid.pointedOnScreen;
  EXPECT_TRUE(cell.left < cellOnScreen.left && cellOnScreen.left < cell.Right()) << cell.left << " " << cellOnScreen.left;
  EXPECT_TRUE(cell.top < cellOnScreen.top && cellOnScreen.top < cell.Bottom()) << cell.top << " " << cellOnScreen.top;
  EXPECT_EQ(wintest::TakeQuit(), -1);
}

}  // namespace
}  // namespace tavrix
