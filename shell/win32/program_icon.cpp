#include "shell/win32/program_icon.h"

namespace tavrix {
namespace {

constexpr COLORREF kCapColor = RGB(32, 80, 176);
constexpr COLORREF kEdgeColor = RGB(16, 40, 96);
constexpr COLORREF kLetterColor = RGB(255, 255, 255);

void DrawKeyCap(HDC dc, int size) {
  HBRUSH cap = CreateSolidBrush(kCapColor);
  HPEN edge = CreatePen(PS_SOLID, 1, kEdgeColor);
  HGDIOBJ oldBrush = SelectObject(dc, cap);
  HGDIOBJ oldPen = SelectObject(dc, edge);
  const int round = size / 4;
  RoundRect(dc, 0, 0, size, size, round, round);

  // The letter: a bar across the top and a stem down the middle.
  HBRUSH letter = CreateSolidBrush(kLetterColor);
  const int thickness = size / 6 > 1 ? size / 6 : 2;
  RECT bar{size / 5, size / 5, size - size / 5, size / 5 + thickness};
  RECT stem{(size - thickness) / 2, size / 5, (size + thickness) / 2, size - size / 5};
  FillRect(dc, &bar, letter);
  FillRect(dc, &stem, letter);

  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(letter);
  DeleteObject(edge);
  DeleteObject(cap);
}

// Mask: black (0) where the cap is drawn, white where the background shows.
void DrawMask(HDC dc, int size) {
  RECT all{0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  const int round = size / 4;
  RoundRect(dc, 0, 0, size, size, round, round);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}

}  // namespace

namespace {

using Painter = void (*)(HDC dc, int size);

HICON MakeIcon(int size, Painter paint) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP color = CreateCompatibleBitmap(screen, size, size);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  ReleaseDC(nullptr, screen);

  HGDIOBJ old = SelectObject(dc, mask);
  DrawMask(dc, size);
  SelectObject(dc, color);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  paint(dc, size);
  SelectObject(dc, old);
  DeleteDC(dc);

  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask;
  info.hbmColor = color;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(color);
  return icon != nullptr ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}

void DrawMenuCard(HDC dc, int size) {
  HBRUSH card = CreateSolidBrush(RGB(255, 255, 255));
  HPEN edge = CreatePen(PS_SOLID, 1, kEdgeColor);
  HGDIOBJ oldBrush = SelectObject(dc, card);
  HGDIOBJ oldPen = SelectObject(dc, edge);
  const int round = size / 4;
  RoundRect(dc, 0, 0, size, size, round, round);
  HBRUSH line = CreateSolidBrush(kCapColor);
  const int thickness = size / 8 > 1 ? size / 8 : 1;
  for (int k = 1; k <= 3; ++k) {
    RECT bar{size / 5, k * size / 4 - thickness / 2, size - size / 5, k * size / 4 - thickness / 2 + thickness};
    FillRect(dc, &bar, line);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(line);
  DeleteObject(edge);
  DeleteObject(card);
}

}  // namespace

HICON CreateProgramIcon(int size) { return MakeIcon(size, &DrawKeyCap); }

HICON CreateMenuIcon(int size) { return MakeIcon(size, &DrawMenuCard); }

HICON CreateNamedIcon(const std::string& name, int size) {
  return name == "menu" ? CreateMenuIcon(size) : CreateProgramIcon(size);
}

}  // namespace tavrix
