#include "shell/win32/macro_list_printer.h"

#include <commdlg.h>

#include <string_view>

namespace tavrix {
namespace {

HFONT PrintFont(HDC printer, const FontSettings& font) {
  const int height = -MulDiv(font.size > 0 ? font.size : 10, GetDeviceCaps(printer, LOGPIXELSY), 72);
  return CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic ? TRUE : FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
}

// The printable area in device units. A driver that knows no paper size
// (Wine's PostScript driver without a printer description) answers 0: the
// page is then taken as a Letter sheet at the printer's resolution.
PageSize PrintablePage(HDC printer) {
  PageSize page{GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
  if (page.width <= 0 || page.height <= 0) {
    page.width = GetDeviceCaps(printer, PHYSICALWIDTH);
    page.height = GetDeviceCaps(printer, PHYSICALHEIGHT);
  }
  if (page.width <= 0 || page.height <= 0) {
    page.width = GetDeviceCaps(printer, LOGPIXELSX) * 17 / 2;
    page.height = GetDeviceCaps(printer, LOGPIXELSY) * 11;
  }
  return page;
}

bool PrintPages(HDC printer, const std::vector<PrintedPage>& pages, COLORREF color) {
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = kPrintJobTitle;
  if (StartDocA(printer, &document) <= 0) return false;
  SetTextColor(printer, color);
  SetBkMode(printer, TRANSPARENT);
  for (const PrintedPage& page : pages) {
    if (StartPage(printer) <= 0) {
      AbortDoc(printer);
      return false;
    }
    for (const PrintedText& line : page)
      TextOutA(printer, line.x, line.y, line.text.c_str(), static_cast<int>(line.text.size()));
    if (EndPage(printer) <= 0) {
      AbortDoc(printer);
      return false;
    }
  }
  return EndDoc(printer) > 0;
}

}  // namespace

MacroListPrinter::~MacroListPrinter() {
  if (devMode_ != nullptr) GlobalFree(devMode_);
  if (devNames_ != nullptr) GlobalFree(devNames_);
}

bool MacroListPrinter::Print(HWND owner, const std::string& macroPath, const std::vector<PrintRow>& rows,
                             const FontSettings& font) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = devMode_;
  dialog.hDevNames = devNames_;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE;
  dialog.nCopies = 1;
  const BOOL chosen = PrintDlgA(&dialog);
  // The dialog may have replaced the handles it was given, chosen or not.
  devMode_ = dialog.hDevMode;
  devNames_ = dialog.hDevNames;
  if (!chosen) return false;
  HDC printer = dialog.hDC;
  if (printer == nullptr) return false;

  HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
  HFONT printFont = PrintFont(printer, font);
  HGDIOBJ old = SelectObject(printer, printFont);
  const TextMeasure measure = [printer](std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(printer, text.data(), static_cast<int>(text.size()), &size);
    return TextSize{size.cx, size.cy};
  };
  const PageSize page = PrintablePage(printer);
  const std::vector<PrintedPage> pages =
      LayOutPrintout(macroPath, rows, dialog.nCopies > 0 ? dialog.nCopies : 1, page, measure);
  const bool printed = PrintPages(printer, pages, static_cast<COLORREF>(font.color));
  SelectObject(printer, old);
  DeleteObject(printFont);
  DeleteDC(printer);
  SetCursor(previous);
  return printed;
}

void MacroListPrinter::Setup(HWND owner) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = devMode_;
  dialog.hDevNames = devNames_;
  dialog.Flags = PD_PRINTSETUP;
  PrintDlgA(&dialog);
  devMode_ = dialog.hDevMode;
  devNames_ = dialog.hDevNames;
}

}  // namespace tavrix
