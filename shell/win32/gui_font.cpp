#include "shell/win32/gui_font.h"

namespace tavrix {

HFONT CreateConfiguredFont(const FontSettings& settings) {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  // A negative height asks for the character height, as point sizes mean.
  const int height = -MulDiv(settings.size > 0 ? settings.size : 10, pixelsPerInch, 72);
  HFONT font = CreateFontA(height, 0, 0, 0, settings.bold ? FW_BOLD : FW_NORMAL, settings.italic ? TRUE : FALSE,
                           settings.underline ? TRUE : FALSE, settings.strikeout ? TRUE : FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           settings.name.c_str());
  if (font != nullptr) return font;
  LOGFONTA fallback{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
  return CreateFontIndirectA(&fallback);
}

}  // namespace tavrix
