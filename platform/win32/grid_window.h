// The Windows side of a form's grid (platform/form_grid.h): a window of its
// own class that paints the model's cells (headings silver, the selected
// cell in the highlight colours, grey lines between cells), scrolls
// vertically when the rows do not fit, and reports what the user does
// (clicks, double clicks, the arrow and page keys) to the form's window,
// which runs the model's rules and handlers and then calls RefreshGridWindow.
#pragma once

#include <functional>
#include <optional>

#include "platform/form_grid.h"
#include "platform/win32/windows_api.h"

namespace tavrix {

// Asked of a grid window from outside (the end-to-end probe): kGridCellPoint
// (wParam row, lParam column) scrolls the cell into view and answers its
// middle in client pixels, MAKELRESULT(x, y), or -1 when there is no such
// cell; kGridSelectedCell answers MAKELRESULT(row, column) of the selection.
inline constexpr UINT kGridCellPoint = WM_USER + 0x301;
inline constexpr UINT kGridSelectedCell = WM_USER + 0x302;
inline constexpr char kGridClassName[] = "TavrixGrid";

enum class GridAction { Click, DoubleClick, Move };
// `cell` is the cell clicked, or for Move the rows and columns to move by;
// `onScreen` is the double-clicked cell's place on the screen.
using GridReport = std::function<void(GridAction action, GridCell cell, std::optional<Bounds> onScreen)>;

// A grid window for `model` (which outlives it), `rowHeight` screen pixels a
// row; the font comes with WM_SETFONT (a bold one is made from it).
HWND CreateGridWindow(HWND parent, int id, const Bounds& placed, DWORD style, DWORD exStyle, const Grid& model,
                      int rowHeight, GridReport report);
// The model changed: paint it again, and bring a newly selected cell into view.
void RefreshGridWindow(HWND window);

}  // namespace tavrix
