// The main window's macro list: a report-style list view with the row
// number, "Activation", "Nickname" and "Scope" columns, drawn by the
// program so that deactivated macros show in grey italics and a text too
// wide for its cell is cut from its end.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "platform/win32/windows_api.h"

#include <commctrl.h>

#include "shell/type_ahead_search.h"
#include "store/macro_index.h"

namespace tavrix {

class MacroListView {
 public:
  MacroListView() = default;
  ~MacroListView();
  MacroListView(const MacroListView&) = delete;
  MacroListView& operator=(const MacroListView&) = delete;

  void Create(HWND parent, HINSTANCE instance, UINT id);
  HWND Handle() const { return list_; }

  // The list font and the header font (the list takes them over; it
  // destroys them when replaced or at its end).
  void SetFonts(HFONT listFont, HFONT headerFont);
  void SetColumnWidths(const std::array<std::int32_t, 3>& widths);
  std::array<std::int32_t, 3> ColumnWidths() const;

  // Shows every macro of the index, row r for macro rowMap[r - 1]; the
  // selected macro stays selected.
  void Fill(const MacroIndex& index, const std::vector<int>& rowMap);
  // Redraws the rows (after a macro's state changed).
  void Redraw();

  // The macro number of the selected row, 0 when none.
  int SelectedMacro() const;
  // Selects the row that shows macro n (`ReverseSort`); nothing when absent.
  void SelectMacro(int n);
  int RowCount() const { return static_cast<int>(rowMap_.size()); }

  // NM_CUSTOMDRAW of the list: the answer for the window procedure.
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;
  // The macro shown in the row under a point of the list's client area, 0
  // for none.
  int MacroAt(POINT point) const;

  // The right button pressed and released within the header: the column
  // (0 the row numbers) under the release point.
  std::function<void(int column)> onHeaderRightClick;
  // A key that changes the type-ahead search text; character keys go no
  // further (the list's own search by the row numbers would fight it).
  std::function<void(SearchKey key, char character)> onSearchKey;

 private:
  static LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);
  static LRESULT CALLBACK HeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
  // True when the list must not see the message.
  bool SearchMessage(UINT message, WPARAM wParam);
  void SetRowHeight();
  void DrawRow(HDC dc, int row) const;
  void DrawCell(HDC dc, const RECT& cell, const std::string& text, HFONT font, COLORREF color) const;
  int RowNumberColumnWidth() const;

  HWND list_ = nullptr;
  HFONT listFont_ = nullptr;
  HFONT italicFont_ = nullptr;
  HFONT headerFont_ = nullptr;
  HIMAGELIST rowHeightImages_ = nullptr;
  const MacroIndex* index_ = nullptr;
  std::vector<int> rowMap_;  // row (0-based) -> macro number
  bool headerRightDown_ = false;
};

}  // namespace tavrix
