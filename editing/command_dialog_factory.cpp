#include "editing/command_dialog_factory.h"

#include "editing/command_names.h"
#include "editing/file_dialogs.h"
#include "editing/input_dialogs.h"
#include "editing/text_dialog.h"
#include "editing/timing_dialogs.h"
#include "editing/window_dialogs.h"

namespace tavrix {

namespace lk = line_kind;

std::unique_ptr<CommandDialog> CommandDialogFor(int kind, bool newLine, Ui& ui, Desktop& desktop, FileChecks& files) {
  switch (kind) {
    case lk::Text: return std::make_unique<TModText>(ui);
    case lk::Date: case lk::Time: return std::make_unique<TDateOrTime>(kind == lk::Date);
    case lk::Delay: return std::make_unique<TDoDelay2>();
    case lk::Pause: return std::make_unique<TDoPausePos>();
    case lk::RepeatStart: case lk::RepeatEnd: case lk::RepeatCounter: case lk::RepeatPromptStart:
      return std::make_unique<TDoRepeat>();
    case lk::KeystrokeSpeed: case lk::MouseSpeed: case lk::PlaybackSpeed: return std::make_unique<TDoSpeed>();
    case lk::ActivateWindow: case lk::LaunchProgram: case lk::ActivateOrLaunch: case lk::LaunchAndActivate: {
      auto dialog = std::make_unique<TDoActive>(files);
      dialog->ui = &ui;
      return dialog;
    }
    case lk::SoundBeep: case lk::SoundWaveFile: {
      auto dialog = std::make_unique<TDoSound>(files);
      dialog->ui = &ui;
      dialog->playWave = [&desktop](const std::string& path) { desktop.PlayWave(path, false); };
      return dialog;
    }
    case lk::LoadMacroFile: {
      auto dialog = std::make_unique<TDoSwap>(files);
      dialog->ui = &ui;
      return dialog;
    }
    case lk::LoadTextFile: {
      auto dialog = std::make_unique<TDoTextInsert>(files, ui);
      dialog->openInNotepad = [&desktop](const std::string& path) { desktop.LaunchProgram("notepad.exe", path); };
      return dialog;
    }
    case lk::ResizeWindow: case lk::RepositionWindow: return std::make_unique<TDoSizeIt>();
    case lk::MaximizeWindow: case lk::MinimizeWindow: case lk::RestoreWindow: case lk::CloseWindow:
    case lk::HideWindow: case lk::ShowWindow: case lk::ShutDownProgram:
      return std::make_unique<TDoSystemCommand>();
    case lk::MouseMove: case lk::LeftMouseButton: case lk::RightMouseButton: case lk::MiddleMouseButton:
    case lk::MouseWheel:
      return std::make_unique<TDoMouse>();
    case lk::Remark: return std::make_unique<TDoRemark>();
    case lk::ClipboardCopy: case lk::ClipboardPaste: case lk::ClipboardStartCopy: case lk::ClipboardEndCopy:
    case lk::ClipboardFileCopy: {
      auto dialog = std::make_unique<TDoClipboard>(files);
      dialog->ui = &ui;
      return dialog;
    }
    case lk::ControlKey: case lk::AltKey: case lk::ShiftKey: case lk::WinKey: return std::make_unique<TDoKeyUpDown>();
    case lk::WebSite: case lk::WebFtp: return std::make_unique<TDoWebStuff>(kind == lk::WebFtp, newLine);
    default: {
      auto dialog = std::make_unique<TDoDOSFiles>(files);
      dialog->ui = &ui;
      return dialog;
    }
  }
}

bool PresetForNewLine(int kind) {
  return kind != lk::Text && kind != lk::LoadTextFile && kind != lk::LoadMacroFile && kind != lk::Remark &&
         kind != lk::WebSite && kind != lk::WebFtp;
}

}  // namespace tavrix
