#include "shell/win32/font_dialog.h"

#include <commdlg.h>

#include <cstring>

namespace tavrix {

bool ChooseConfiguredFont(HWND owner, FontSettings& font, bool printFont) {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  LOGFONTA description{};
  description.lfHeight = -MulDiv(font.size > 0 ? font.size : 10, pixelsPerInch, 72);
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = font.italic ? TRUE : FALSE;
  description.lfUnderline = !printFont && font.underline ? TRUE : FALSE;
  description.lfStrikeOut = !printFont && font.strikeout ? TRUE : FALSE;
  description.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(description.lfFaceName, font.name.c_str(), LF_FACESIZE - 1);

  CHOOSEFONTA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.lpLogFont = &description;
  choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | (printFont ? 0 : CF_EFFECTS);
  choose.rgbColors = static_cast<COLORREF>(font.color);
  if (!ChooseFontA(&choose)) return false;

  font.name = description.lfFaceName;
  font.size = choose.iPointSize > 0 ? (choose.iPointSize + 5) / 10 : font.size;
  font.bold = description.lfWeight >= FW_BOLD;
  font.italic = description.lfItalic != 0;
  if (!printFont) {
    font.underline = description.lfUnderline != 0;
    font.strikeout = description.lfStrikeOut != 0;
    font.color = static_cast<std::int32_t>(choose.rgbColors);
  }
  return true;
}

}  // namespace tavrix
