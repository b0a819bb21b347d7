#include "shell/macro_list_print.h"

#include <algorithm>
#include <cmath>

#include "base/hot_key_table.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

std::string PrintedActivation(const MacroRecord& record) {
  const std::uint16_t code = record.Activation();
  if (code == kTimedActivation) return "Timed Macro";
  if (code == kWordletActivation) return record.WordletText();
  return HotKeyName(code);
}

std::string PrintedScope(const MacroRecord& record) {
  const std::string where = record.TopMostOnly() != 0 ? " (Top Most Only)" : " (If Running)";
  switch (record.Scope()) {
    case kScopeGlobal: return "GLOBAL";
    case kScopeWindow: return "Window: " + record.ScopeName() + where;
    case kScopeProgram: return "Program: " + record.ScopeName() + where;
    case kScopePopupMenu: return "Popup Menu";
    case kScopeSystem: return "SYSTEM";
    default: return {};
  }
}

int Scaled(int value) { return static_cast<int>(std::lround(1.1 * value)); }

}  // namespace

std::vector<PrintRow> MacroPrintRows(const MacroFile& file, const std::vector<int>& rowMap) {
  std::vector<PrintRow> rows;
  MacroRecord record;
  for (const int n : rowMap) {
    if (!file.ReadRecord(n, record)) continue;
    rows.push_back(PrintRow{PrintedActivation(record), record.NickName(), PrintedScope(record)});
  }
  return rows;
}

std::vector<PrintedPage> LayOutPrintout(const std::string& macroPath, const std::vector<PrintRow>& rows,
                                        int copies, PageSize page, const TextMeasure& measure) {
  int tallest = measure("Macro File: ").height;
  int widestActivation = 0;
  int widestNickname = 0;
  for (const PrintRow& row : rows) {
    const TextSize activation = measure(row.activation);
    const TextSize nickname = measure(row.nickname);
    tallest = std::max({tallest, activation.height, nickname.height});
    widestActivation = std::max(widestActivation, activation.width);
    widestNickname = std::max(widestNickname, nickname.width);
  }
  const int lineHeight = std::max(1, Scaled(tallest));
  const int left = page.width / 17;
  const int top = page.height / 22;
  const int nicknameX = left + Scaled(widestActivation);
  const int scopeX = nicknameX + Scaled(widestNickname);
  const int bottom = page.height - 2 * top;

  std::vector<PrintedPage> pages;
  for (int copy = 0; copy < std::max(1, copies); ++copy) {
    pages.emplace_back();
    pages.back().push_back(PrintedText{left, top, "Macro File: " + macroPath});
    int line = 2;
    for (const PrintRow& row : rows) {
      int y = top + line * lineHeight;
      // A row that would pass the foot of the page starts the next one.
      if (y > bottom && line > 0) {
        pages.emplace_back();
        line = 0;
        y = top;
      }
      PrintedPage& current = pages.back();
      current.push_back(PrintedText{left, y, row.activation});
      current.push_back(PrintedText{nicknameX, y, row.nickname});
      current.push_back(PrintedText{scopeX, y, row.scope});
      ++line;
    }
  }
  return pages;
}

}  // namespace tavrix
