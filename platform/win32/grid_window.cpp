#include "platform/win32/grid_window.h"

#include <algorithm>
#include <string>
#include <utility>

namespace tavrix {
namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kLine = RGB(128, 128, 128);
// Texts that are not centred start this far into their cell.
constexpr int kTextMargin = 3;
constexpr int kWheelRows = 3;

class GridWindow {
 public:
  GridWindow(const Grid& model, int rowHeight, GridReport report)
      : model_(model), rowHeight_(std::max(rowHeight, 1)), report_(std::move(report)), shownSelection_(model.selected) {}
  ~GridWindow() {
    if (boldFont_ != nullptr) DeleteObject(boldFont_);
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Refresh();
  void ShowRow(int row);
  void UpdateScrollBar();

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  int RowsShown() const;
  int ColumnLeft(int column) const;
  RECT CellRect(GridCell cell) const;
  std::optional<GridCell> CellAt(LPARAM point) const;
  void ScrollTo(int topRow);
  void Paint(HDC dc) const;
  void SetFont(HFONT font);
  void Report(GridAction action, GridCell cell, std::optional<Bounds> onScreen = {}) const {
    if (report_) report_(action, cell, onScreen);
  }

  HWND window_ = nullptr;
  const Grid& model_;
  int rowHeight_;
  GridReport report_;
  GridCell shownSelection_;
  int topRow_ = 0;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
};

GridWindow* WindowOf(HWND window) { return reinterpret_cast<GridWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

bool RegisterGridClass() {
  static const bool registered = [] {
    WNDCLASSEXA c{};
    c.cbSize = sizeof c;
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &GridWindow::Procedure;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    c.lpszClassName = kGridClassName;
    return RegisterClassExA(&c) != 0;
  }();
  return registered;
}

int ClientWidth(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client.right;
}

int ClientHeight(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client.bottom;
}

}  // namespace

int GridWindow::RowsShown() const { return std::max(1, ClientHeight(window_) / rowHeight_); }

// The columns share the client width equally.
int GridWindow::ColumnLeft(int column) const { return MulDiv(ClientWidth(window_), column, model_.columnCount); }

RECT GridWindow::CellRect(GridCell cell) const {
  const int top = (cell.row - topRow_) * rowHeight_;
  return RECT{ColumnLeft(cell.column), top, ColumnLeft(cell.column + 1), top + rowHeight_};
}

std::optional<GridCell> GridWindow::CellAt(LPARAM point) const {
  const int x = static_cast<short>(LOWORD(point));
  const int y = static_cast<short>(HIWORD(point));
  if (x < 0 || y < 0 || x >= ClientWidth(window_)) return std::nullopt;
  GridCell cell{topRow_ + y / rowHeight_, 0};
  while (cell.column + 1 < model_.columnCount && x >= ColumnLeft(cell.column + 1)) ++cell.column;
  if (!model_.Contains(cell)) return std::nullopt;
  return cell;
}

void GridWindow::UpdateScrollBar() {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = model_.rowCount - 1;
  info.nPage = static_cast<UINT>(RowsShown());
  info.nPos = topRow_;
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void GridWindow::ScrollTo(int topRow) {
  const int top = std::clamp(topRow, 0, std::max(0, model_.rowCount - RowsShown()));
  if (top == topRow_) return;
  topRow_ = top;
  UpdateScrollBar();
  InvalidateRect(window_, nullptr, FALSE);
}

void GridWindow::ShowRow(int row) {
  if (row < topRow_) ScrollTo(row);
  else if (row >= topRow_ + RowsShown()) ScrollTo(row - RowsShown() + 1);
}

void GridWindow::Refresh() {
  // Only a selection that moved is brought into view: the user may have
  // scrolled away from one that stays.
  if (!(model_.selected == shownSelection_)) {
    shownSelection_ = model_.selected;
    ShowRow(model_.selected.row);
  }
  UpdateScrollBar();
  InvalidateRect(window_, nullptr, FALSE);
}

void GridWindow::SetFont(HFONT font) {
  font_ = font;
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
  boldFont_ = nullptr;
  LOGFONTA description{};
  if (font != nullptr && GetObjectA(font, sizeof description, &description) != 0) {
    description.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectA(&description);
  }
}

void GridWindow::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(window_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  HBRUSH silver = CreateSolidBrush(kSilver);
  HPEN line = CreatePen(PS_SOLID, 1, kLine);
  HGDIOBJ oldPen = SelectObject(dc, line);
  HGDIOBJ oldFont = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const bool focused = GetFocus() == window_;
  const int lastRow = std::min(model_.rowCount, topRow_ + RowsShown() + 1);
  for (int row = topRow_; row < lastRow; ++row) {
    for (int column = 0; column < model_.columnCount; ++column) {
      const GridCell cell{row, column};
      const RECT r = CellRect(cell);
      const bool selected = cell == model_.selected;
      RECT inside{r.left, r.top, r.right - 1, r.bottom - 1};
      if (column < model_.fixedColumns) FillRect(dc, &inside, silver);
      else if (selected) FillRect(dc, &inside, GetSysColorBrush(COLOR_HIGHLIGHT));
      SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      SelectObject(dc, model_.IsBold(cell) && boldFont_ != nullptr ? boldFont_ : font_);
      const std::string& text = model_.Text(cell);
      RECT textRect = inside;
      if (!model_.centred) textRect.left += kTextMargin;
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                (model_.centred ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
      if (selected && focused) DrawFocusRect(dc, &inside);
      MoveToEx(dc, r.right - 1, r.top, nullptr);
      LineTo(dc, r.right - 1, r.bottom);
      MoveToEx(dc, r.left, r.bottom - 1, nullptr);
      LineTo(dc, r.right, r.bottom - 1);
    }
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldPen);
  DeleteObject(line);
  DeleteObject(silver);
}

LRESULT CALLBACK GridWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<GridWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  GridWindow* self = WindowOf(window);
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete self;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT GridWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      SetFont(reinterpret_cast<HFONT>(wParam));
      if (LOWORD(lParam) != 0) InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window_, &paint);
      Paint(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_SIZE:
      ScrollTo(topRow_);
      UpdateScrollBar();
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
      SetFocus(window_);
      if (const auto cell = CellAt(lParam)) Report(GridAction::Click, *cell);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (const auto cell = CellAt(lParam)) {
        RECT r = CellRect(*cell);
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        Report(GridAction::DoubleClick, *cell, Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top});
      }
      return 0;
    case WM_KEYDOWN: {
      GridCell by{};
      switch (wParam) {
        case VK_UP: by = {-1, 0}; break;
        case VK_DOWN: by = {1, 0}; break;
        case VK_LEFT: by = {0, -1}; break;
        case VK_RIGHT: by = {0, 1}; break;
        case VK_PRIOR: by = {-RowsShown(), 0}; break;
        case VK_NEXT: by = {RowsShown(), 0}; break;
        default: return DefWindowProcA(window_, message, wParam, lParam);
      }
      Report(GridAction::Move, by);
      return 0;
    }
    case WM_VSCROLL: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_ALL;
      GetScrollInfo(window_, SB_VERT, &info);
      switch (LOWORD(wParam)) {
        case SB_LINEUP: ScrollTo(topRow_ - 1); break;
        case SB_LINEDOWN: ScrollTo(topRow_ + 1); break;
        case SB_PAGEUP: ScrollTo(topRow_ - RowsShown()); break;
        case SB_PAGEDOWN: ScrollTo(topRow_ + RowsShown()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
        case SB_TOP: ScrollTo(0); break;
        case SB_BOTTOM: ScrollTo(model_.rowCount); break;
        default: break;
      }
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(topRow_ - static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * kWheelRows);
      return 0;
    case kGridCellPoint: {
      const GridCell cell{static_cast<int>(wParam), static_cast<int>(lParam)};
      if (!model_.Contains(cell)) return -1;
      ShowRow(cell.row);
      const RECT r = CellRect(cell);
      return MAKELRESULT((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    case kGridSelectedCell:
      return MAKELRESULT(model_.selected.row, model_.selected.column);
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

HWND CreateGridWindow(HWND parent, int id, const Bounds& placed, DWORD style, DWORD exStyle, const Grid& model,
                      int rowHeight, GridReport report) {
  if (!RegisterGridClass()) return nullptr;
  auto* grid = new GridWindow(model, rowHeight, std::move(report));
  HWND window = CreateWindowExA(exStyle, kGridClassName, "", WS_CHILD | WS_VSCROLL | style, placed.left, placed.top,
                                placed.width, placed.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), grid);
  // A window that failed after WM_NCCREATE has deleted its state already.
  if (window == nullptr) return nullptr;
  grid->ShowRow(model.selected.row);
  grid->UpdateScrollBar();
  return window;
}

void RefreshGridWindow(HWND window) {
  if (GridWindow* grid = WindowOf(window)) grid->Refresh();
}

}  // namespace tavrix
