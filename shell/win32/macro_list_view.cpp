#include "shell/win32/macro_list_view.h"

#include <commctrl.h>

#include <cmath>
#include <string>

#include "shell/macro_list_order.h"
#include "shell/macro_list_text.h"

namespace tavrix {
namespace {

constexpr int kColumnCount = kMacroListColumns;
// Room left and right of a cell's text.
constexpr int kTextInset = 1;
constexpr int kRowNumberPadding = 12;

SIZE TextSize(HWND window, HFONT font, const char* text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::char_traits<char>::length(text)), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

HFONT ItalicVersion(HFONT font) {
  LOGFONTA description{};
  if (font == nullptr || GetObjectA(font, sizeof description, &description) == 0) {
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  }
  description.lfItalic = TRUE;
  return CreateFontIndirectA(&description);
}

void SetItemText(HWND list, int row, int column, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

MacroListView::~MacroListView() {
  if (list_ != nullptr) {
    HWND header = ListView_GetHeader(list_);
    if (header != nullptr) RemoveWindowSubclass(header, &MacroListView::HeaderProc, 1);
    RemoveWindowSubclass(list_, &MacroListView::ListProc, 1);
    DestroyWindow(list_);
  }
  if (rowHeightImages_ != nullptr) ImageList_Destroy(rowHeightImages_);
  if (listFont_ != nullptr) DeleteObject(listFont_);
  if (italicFont_ != nullptr) DeleteObject(italicFont_);
  if (headerFont_ != nullptr) DeleteObject(headerFont_);
}

void MacroListView::Create(HWND parent, HINSTANCE instance, UINT id) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
                          0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int column = 0; column < kColumnCount; ++column) {
    LVCOLUMNA description{};
    description.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    description.pszText = const_cast<char*>(kMacroListHeaders[static_cast<std::size_t>(column)]);
    description.cx = 100;
    description.iSubItem = column;
    SendMessageA(list_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&description));
  }
  SetWindowSubclass(list_, &MacroListView::ListProc, 1, reinterpret_cast<DWORD_PTR>(this));
  HWND header = ListView_GetHeader(list_);
  if (header != nullptr) SetWindowSubclass(header, &MacroListView::HeaderProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK MacroListView::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
  auto* view = reinterpret_cast<MacroListView*>(self);
  if (view->SearchMessage(message, wParam)) return 0;
  return DefSubclassProc(window, message, wParam, lParam);
}

// Which keys start the search text over, shorten it or add to it.
bool MacroListView::SearchMessage(UINT message, WPARAM wParam) {
  if (!onSearchKey) return false;
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: onSearchKey(SearchKey::Reset, 0); return false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      switch (wParam) {
        case VK_CONTROL: case VK_MENU: case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
          onSearchKey(SearchKey::Reset, 0);
          break;
        default: break;
      }
      return false;
    case WM_CHAR:
      switch (wParam) {
        case '\t': case '\n': case '\r': case 27: onSearchKey(SearchKey::Reset, 0); return true;
        case '\b': onSearchKey(SearchKey::Backspace, 0); return true;
        default:
          if (wParam < 32 || wParam == 127) return false;
          onSearchKey(SearchKey::Character, static_cast<char>(wParam));
          return true;
      }
    default: return false;
  }
}

LRESULT CALLBACK MacroListView::HeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  auto* view = reinterpret_cast<MacroListView*>(self);
  if (message == WM_RBUTTONDOWN) view->headerRightDown_ = true;
  if (message == WM_RBUTTONUP) {
    const bool pressedHere = view->headerRightDown_;
    view->headerRightDown_ = false;
    RECT client{};
    GetClientRect(window, &client);
    HDHITTESTINFO hit{};
    hit.pt = POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (pressedHere && PtInRect(&client, hit.pt) && view->onHeaderRightClick) {
      const int column = static_cast<int>(SendMessageA(window, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      if (column >= 0) view->onHeaderRightClick(column);
      return 0;
    }
  }
  if (message == WM_CAPTURECHANGED) view->headerRightDown_ = false;
  return DefSubclassProc(window, message, wParam, lParam);
}

int MacroListView::MacroAt(POINT point) const {
  LVHITTESTINFO hit{};
  hit.pt = point;
  const int row = static_cast<int>(SendMessageA(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (row < 0 || row >= RowCount()) return 0;
  return rowMap_[static_cast<std::size_t>(row)];
}

void MacroListView::SetFonts(HFONT listFont, HFONT headerFont) {
  if (listFont_ != nullptr) DeleteObject(listFont_);
  if (italicFont_ != nullptr) DeleteObject(italicFont_);
  if (headerFont_ != nullptr) DeleteObject(headerFont_);
  listFont_ = listFont;
  italicFont_ = ItalicVersion(listFont);
  headerFont_ = headerFont;
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
  HWND header = ListView_GetHeader(list_);
  if (header != nullptr) SendMessageA(header, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont_), TRUE);
  SetRowHeight();
  ListView_SetColumnWidth(list_, 0, RowNumberColumnWidth());
  InvalidateRect(list_, nullptr, TRUE);
}

// The list's rows are as tall as its small images: one empty image of
// 1.1 times the height of the list font's tallest letters sets it.
void MacroListView::SetRowHeight() {
  const int height = static_cast<int>(std::ceil(1.1 * TextSize(list_, listFont_, "ZZYyjkla").cy));
  HIMAGELIST images = ImageList_Create(1, height > 0 ? height : 16, ILC_COLOR, 1, 1);
  ListView_SetImageList(list_, images, LVSIL_SMALL);
  if (rowHeightImages_ != nullptr) ImageList_Destroy(rowHeightImages_);
  rowHeightImages_ = images;
}

int MacroListView::RowNumberColumnWidth() const {
  return TextSize(list_, listFont_, "9999").cx + kRowNumberPadding;
}

void MacroListView::SetColumnWidths(const std::array<std::int32_t, 3>& widths) {
  ListView_SetColumnWidth(list_, 0, RowNumberColumnWidth());
  for (int column = 1; column < kColumnCount; ++column) {
    ListView_SetColumnWidth(list_, column, widths[static_cast<std::size_t>(column - 1)]);
  }
}

std::array<std::int32_t, 3> MacroListView::ColumnWidths() const {
  std::array<std::int32_t, 3> widths{};
  for (int column = 1; column < kColumnCount; ++column) {
    widths[static_cast<std::size_t>(column - 1)] = ListView_GetColumnWidth(list_, column);
  }
  return widths;
}

void MacroListView::Fill(const MacroIndex& index, const std::vector<int>& rowMap) {
  index_ = &index;
  const int selected = SelectedMacro();
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list_);
  rowMap_.clear();
  for (const int n : rowMap) {
    if (n < 1 || n > index.Count()) continue;
    const int row = static_cast<int>(rowMap_.size());
    rowMap_.push_back(n);
    const MacroListRow shown = ListRow(index, row + 1, n);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(shown.cells[0].c_str());
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (int column = 1; column < kColumnCount; ++column)
      SetItemText(list_, row, column, shown.cells[static_cast<std::size_t>(column)]);
  }
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  if (selected > 0) SelectMacro(selected);
  InvalidateRect(list_, nullptr, TRUE);
}

void MacroListView::Redraw() { InvalidateRect(list_, nullptr, TRUE); }

int MacroListView::SelectedMacro() const {
  const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (row < 0 || row >= RowCount()) return 0;
  return rowMap_[static_cast<std::size_t>(row)];
}

void MacroListView::SelectMacro(int n) {
  const int row = ReverseSort(rowMap_, n) - 1;
  if (row < 0) return;
  ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list_, row, FALSE);
}

LRESULT MacroListView::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      DrawRow(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec));
      return CDRF_SKIPDEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void MacroListView::DrawRow(HDC dc, int row) const {
  if (row < 0 || row >= RowCount()) return;
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  if (!SendMessageA(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds))) return;
  const bool selected = (ListView_GetItemState(list_, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
  const int n = rowMap_[static_cast<std::size_t>(row)];
  const MacroListRow shown = index_ != nullptr ? ListRow(*index_, row + 1, n) : MacroListRow{};

  FillRect(dc, &bounds, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const COLORREF upright = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  int left = bounds.left;
  for (int column = 0; column < kColumnCount; ++column) {
    const int width = ListView_GetColumnWidth(list_, column);
    const RECT cell{left, bounds.top, left + width, bounds.bottom};
    left += width;
    const bool plain = shown.Upright(column);
    DrawCell(dc, cell, shown.cells[static_cast<std::size_t>(column)], plain ? listFont_ : italicFont_,
             plain ? upright : GetSysColor(COLOR_GRAYTEXT));
  }
}

// A text wider than its cell less 2 pixels loses characters from its end.
void MacroListView::DrawCell(HDC dc, const RECT& cell, const std::string& text, HFONT font, COLORREF color) const {
  HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  const int room = (cell.right - cell.left) - 2 * kTextInset;
  int fit = 0;
  SIZE size{};
  if (room > 0) GetTextExtentExPointA(dc, text.c_str(), static_cast<int>(text.size()), room, &fit, nullptr, &size);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  const int top = cell.top + ((cell.bottom - cell.top) - metrics.tmHeight) / 2;
  if (fit > 0) ExtTextOutA(dc, cell.left + kTextInset, top, ETO_CLIPPED, &cell, text.c_str(), static_cast<UINT>(fit), nullptr);
  SelectObject(dc, old);
}

}  // namespace tavrix
