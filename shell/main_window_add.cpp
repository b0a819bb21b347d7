// The main window's "&Add Macro": "Add Macro" names the tool that fills the
// new macro and the main window opens it. Also "System Hot Keys" (from
// "Rename Macro" on a SYSTEM macro), the schedule dialog of a macro that
// copy or rename made timed, and hot key entry mode for the forms' hot key
// fields.
#include "activation/popup_menu_dialogs.h"
#include "activation/scheduler_dialogs.h"
#include "editing/add_macro_dialog.h"
#include "editing/script_editor.h"
#include "editing/system_keys_dialog.h"
#include "shell/main_window.h"
#include "shell/main_window_engine.h"

namespace tavrix {
namespace {


// Without the system's file checks every path is missing.
class NoFileChecks : public FileChecks {
 public:
  bool FileExists(const std::string&) override { return false; }
  bool FolderExists(const std::string&) override { return false; }
  std::optional<std::string> ShortPath(const std::string&) override { return std::nullopt; }
};

}  // namespace

void TMainWin::Engine::AddMacroClick() {
  // The tools "Add Macro" hands a new macro over to, as far as the program
  // has them.
  struct Tools : AddMacroTools {
    explicit Tools(Engine& engine) : e(engine) {}
    bool Available(AddTool tool) const override { return tool != AddTool::None; }
    AddToolResult HandOver(const AddHandOver& handOver, MacroRecord& record) override {
      const int n = e.index.Count() + 1;
      if (handOver.tool == AddTool::Direct) return {e.RunModHotKeys(record, 0), false};
      // The capture has started when this answers true: the new macro is
      // appended now and its recording arrives when the capture ends.
      if (handOver.tool == AddTool::Capture) return {e.owner.CaptureNewMacro(record, n, handOver.global), false};
      if (handOver.tool == AddTool::Menu) {
        const BuildMenuOutcome outcome = RunBuildMacroMenu(e.env.ui, e.index, &e.Icons(), record, false,
                                                           [this](int m) { return e.QuickInfoText(m); });
        return {outcome.ok, outcome.trayChanged};
      }
      if (handOver.tool != AddTool::Script) return {};
      NoFileChecks noFiles;
      TDoScripting editor(e.env.ui, e.env.desktop, e.env.files != nullptr ? *e.env.files : noFiles, record);
      editor.activationKind = handOver.type;
      editor.editingExisting = false;
      editor.globalNotAllowed = handOver.global;
      editor.hotKeyLabel.text = handOver.hotKeyName;
      editor.icon.icons = &e.Icons();
      AddToolResult result;
      result.saved = e.env.ui.RunForm(editor) == ModalResult::Ok && editor.saved;
      // What the user typed before no longer leads to a Wordlet.
      if (result.saved) e.wordlets.Matcher().Clear();
      return result;
    }
    Engine& e;
  } tools(*this);
  AddMacroCommand command(file, env.ui, *this, tools);
  command.DoAdd();
  RefreshMenu();
}

void TMainWin::Engine::EditSchedule(MacroRecord& record) {
  TDoSchedule dialog(record, env.desktop.Now());
  env.ui.RunForm(dialog);
}

bool TMainWin::Engine::OpenSystemKeys(int digit) {
  TSystemKeys dialog(file, digit, env.configuration.systemMenu);
  if (env.ui.RunForm(dialog) == ModalResult::Ok) {
    env.configuration.systemMenu = dialog.systemMenu;
    SaveConfiguration();
  }
  return dialog.changed;
}

void TMainWin::SetSecWind(WindowId window, bool on) {
  SharedMacroTable& table = engine_->index.table();
  table.SetEntryWindow(window);
  table.SetEntryActive(on ? 1 : 0);
  env_.hooks.TvxUpWindow2(table.bytes());
}

}  // namespace tavrix
