// "Print Macro List": the printout as pages of positioned lines, worked out
// from the rows, the page size and the sizes of the texts in the print font;
// the Windows side draws the lines as they are.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"
#include "store/macro_file.h"

namespace tavrix {

inline constexpr const char* kPrintBusyText = "Other print job currently in progress.";
inline constexpr const char* kPrintJobTitle = "Tavrix";

// One row of the printout: activation, nickname and scope as printed.
struct PrintRow {
  std::string activation;
  std::string nickname;
  std::string scope;
};

// The rows of `rowMap`'s macros in its order, from their records ("Window: "
// and "Program: " scopes with " (Top Most Only)" or " (If Running)").
// A record that cannot be read is left out.
std::vector<PrintRow> MacroPrintRows(const MacroFile& file, const std::vector<int>& rowMap);

struct PrintedText {
  int x = 0;
  int y = 0;
  std::string text;
  bool operator==(const PrintedText&) const = default;
};
using PrintedPage = std::vector<PrintedText>;

struct PageSize {
  int width = 0;
  int height = 0;
};

// Every page of `copies` copies: "Macro File: " + path at the top margin,
// then one line per row from line 2 on in three columns; a page that would
// pass its height less twice the top margin continues on the next page from
// line 0, and each copy starts on a page of its own.
std::vector<PrintedPage> LayOutPrintout(const std::string& macroPath, const std::vector<PrintRow>& rows,
                                        int copies, PageSize page, const TextMeasure& measure);

}  // namespace tavrix
