// The main window's macro list: its order, the clicks and keys on it, and
// the commands that read the whole list (Sort Order, Appearance, Quick
// Info, Output Macro Information, printing).
#include "editing/file_checks.h"
#include "shell/list_dialogs.h"
#include "shell/macro_list_print.h"
#include "shell/macro_output.h"
#include "shell/main_window.h"
#include "shell/main_window_engine.h"
#include "shell/quick_info.h"

namespace tavrix {
namespace {

constexpr const char* kNoSelectionText = "No hot key selected.  Please select one.";

}  // namespace

SortOrders TMainWin::Engine::Orders() const {
  const Configuration& c = env.configuration;
  return SortOrders{c.primarySort, c.activationSort, c.scopeSort};
}

void TMainWin::Engine::RefillMacroList() {
  rowMap = FillList(index, Orders());
  env.host.RefillList();
}

void TMainWin::Engine::RefillKeepingSelection() {
  const int selected = env.host.SelectedMacro();
  RefillMacroList();
  if (selected > 0) env.host.SelectMacro(selected);
  RefreshMenu();
}

void TMainWin::Engine::SortOrderClick() {
  TSortOrder form;
  Configuration& c = env.configuration;
  form.Load(Orders(), c.sortHeader);
  if (env.ui.RunForm(form) != ModalResult::Ok) return;
  const SortOrders chosen = form.Result();
  c.primarySort = chosen.primary;
  c.activationSort = chosen.activation;
  c.scopeSort = chosen.scope;
  c.sortHeader = form.SortHeader();
  RefillKeepingSelection();
  SaveConfiguration();
}

void TMainWin::Engine::AppearanceClick() {
  TDoAppear form([this](FontSettings& font) { return env.host.ChooseFont(font, false); });
  Configuration& c = env.configuration;
  form.Load(c);
  if (env.ui.RunForm(form) != ModalResult::Ok) return;
  c.columnWidths = form.Widths();
  c.gridFont = form.gridFont;
  c.gridTitleFont = form.gridTitleFont;
  c.useSpeed = form.UseSpeed();
  env.host.ApplyAppearance(c);
  SaveConfiguration();
}

void TMainWin::Engine::QuickInfoClick(int n) {
  if (index.Count() == 0) {
    env.ui.ShowMessage("Error", kNoHotKeysText);
    return;
  }
  if (n < 1 || n > index.Count()) {
    env.ui.ShowMessage("Error", kNoSelectionText);
    return;
  }
  MacroRecord record;
  if (!file.ReadRecord(n, record)) return;
  TQuickInfo form(record);
  form.ShowIcon(IconOf(record, env.programFolder,
                      [this](const std::string& path) { return env.files != nullptr && env.files->FileExists(path); }));
  env.ui.RunForm(form);
}

void TMainWin::Engine::OutputClick() {
  if (index.Count() == 0) {
    env.ui.ShowMessage("Error", kNoHotKeysText);
    return;
  }
  TDoOutput form;
  if (env.ui.RunForm(form) != ModalResult::Ok) return;
  const std::optional<std::string> path =
      env.ui.AskFileName(FileDialogRequest{kOutputDialogTitle, "Text (*.TXT)|*.TXT", "TXT", true, ""});
  if (!path) return;
  if (!WriteMacroOutput(file, rowMap, form.Items(), *path)) env.ui.ShowMessage("Error", kUnableToCreateText);
  SaveConfiguration();
}

void TMainWin::Engine::PrintClick() {
  if (printing) {
    env.ui.ShowMessage("Error", kPrintBusyText);
    return;
  }
  printing = true;
  try {
    env.host.PrintMacroList(file.Path(), MacroPrintRows(file, rowMap), env.configuration.printListFont);
  } catch (...) {
    printing = false;
    throw;
  }
  printing = false;
}

void TMainWin::Engine::PrinterFontClick() {
  if (env.host.ChooseFont(env.configuration.printListFont, true)) SaveConfiguration();
}

// --- Clicks and keys on the list ---------------------------------------------------

void TMainWin::OnHeaderRightClick(int column) {
  Enter([&] {
    Engine& e = *engine_;
    Configuration& c = env_.configuration;
    const std::string order = HeaderSortOrder(column);
    if (!c.sortHeader || order.empty()) return;
    const bool changed = c.primarySort.empty() || c.primarySort[0] != order[0];
    c.primarySort = order;
    if (!changed) return;
    e.RefillKeepingSelection();
    e.SaveConfiguration();
  });
}

void TMainWin::OnRowRightClick(int n) {
  Enter([&] {
    Engine& e = *engine_;
    if (!e.Enabled(Command::QuickInfo)) return;
    e.QuickInfoClick(n);
  });
}

void TMainWin::OnListDoubleClick() {
  Enter([&] {
    Engine& e = *engine_;
    if (e.Enabled(Command::ScriptingEditor)) e.EditSelectedMacroScript();
  });
}

void TMainWin::OnListSearchKey(SearchKey key, char character) {
  Engine& e = *engine_;
  const int n = e.search.Key(key, character, e.index, e.rowMap);
  if (n > 0) env_.host.SelectMacro(n);
}

const std::vector<int>& TMainWin::RowMap() const { return engine_->rowMap; }

}  // namespace tavrix
