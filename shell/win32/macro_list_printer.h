// Printing the macro list on a real printer: the system's print and printer
// setup dialogs, the chosen printer kept between them, and the pages of the
// printout drawn with GDI as the portable layout places their lines.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/windows_api.h"
#include "shell/config/configuration.h"
#include "shell/macro_list_print.h"

namespace tavrix {

class MacroListPrinter {
 public:
  MacroListPrinter() = default;
  ~MacroListPrinter();
  MacroListPrinter(const MacroListPrinter&) = delete;
  MacroListPrinter& operator=(const MacroListPrinter&) = delete;

  // The print dialog, then the printout on the printer chosen there; false
  // when cancelled or when the printer refused the job.
  bool Print(HWND owner, const std::string& macroPath, const std::vector<PrintRow>& rows, const FontSettings& font);
  // The printer setup dialog; its choice is the next print dialog's start.
  void Setup(HWND owner);

 private:
  HGLOBAL devMode_ = nullptr;
  HGLOBAL devNames_ = nullptr;
};

}  // namespace tavrix
