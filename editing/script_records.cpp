#include "editing/script_records.h"

#include "editing/command_names.h"

namespace tavrix {

ScriptRecord RecordForKind(int kind) {
  namespace lk = line_kind;
  switch (kind) {
    case lk::Text: return TextRecord{};
    case lk::Date: return DateTimeRecord{};
    case lk::Time: return DateTimeRecord{false, 1, true, true, 0};
    case lk::Delay: return DelayRecord{};
    case lk::Pause: return PauseRecord{2, 0, 0, {}};
    case lk::RepeatStart: return RepeatRecord{1, 1};
    case lk::RepeatPromptStart: return RepeatRecord{2, 0};
    case lk::RepeatEnd: return RepeatRecord{3, 0};
    case lk::RepeatCounter: return RepeatRecord{4, 1};
    case lk::KeystrokeSpeed: return SpeedRecord{1, 0, 1.0};
    case lk::MouseSpeed: return SpeedRecord{2, 0, 1.0};
    case lk::PlaybackSpeed: return SpeedRecord{3, 0, 1.0};
    case lk::ActivateWindow: return ProgramRecord{1, {}, {}, {}, 0};
    case lk::LaunchProgram: return ProgramRecord{2, {}, {}, {}, 0};
    case lk::LaunchAndActivate: return ProgramRecord{3, {}, {}, {}, 0};
    case lk::ActivateOrLaunch: return ProgramRecord{4, {}, {}, {}, 0};
    case lk::SoundBeep: return SoundRecord{1, {}, true};
    case lk::SoundWaveFile: return SoundRecord{2, {}, true};
    case lk::LoadMacroFile: case lk::LoadTextFile: case lk::Remark: case lk::WebSite: case lk::WebFtp:
      return NameRecord{};
    case lk::ResizeWindow: return WindowSizeRecord{{}, 1, true, 0, 0};
    case lk::RepositionWindow: return WindowSizeRecord{{}, 2, true, 0, 0};
    case lk::MaximizeWindow: return WindowCommandRecord{{}, 1, true};
    case lk::MinimizeWindow: return WindowCommandRecord{{}, 2, true};
    case lk::RestoreWindow: return WindowCommandRecord{{}, 3, true};
    case lk::CloseWindow: return WindowCommandRecord{{}, 4, true};
    case lk::HideWindow: return WindowCommandRecord{{}, 5, true};
    case lk::ShowWindow: return WindowCommandRecord{{}, 6, true};
    case lk::ShutDownProgram: return WindowCommandRecord{{}, 7, true};
    case lk::MouseMove: return MouseRecord{0, 0, 0, mouse_action::Move, false};
    case lk::LeftMouseButton: return MouseRecord{0, 0, 0, mouse_action::LeftClick, true};
    case lk::RightMouseButton: return MouseRecord{0, 0, 0, mouse_action::RightClick, true};
    case lk::MiddleMouseButton: return MouseRecord{0, 0, 0, mouse_action::MiddleClick, true};
    case lk::MouseWheel: return MouseRecord{0, 0, 1, mouse_action::WheelForward, true};
    case lk::ClipboardStartCopy: return ClipboardRecord{1, {}};
    case lk::ClipboardEndCopy: return ClipboardRecord{2, {}};
    case lk::ClipboardFileCopy: return ClipboardRecord{3, {}};
    case lk::ClipboardCopy: return ClipboardRecord{4, {}};
    case lk::ClipboardPaste: return ClipboardRecord{5, {}};
    case lk::ControlKey: return KeyRecord{1};
    case lk::AltKey: return KeyRecord{3};
    case lk::ShiftKey: return KeyRecord{5};
    case lk::WinKey: return KeyRecord{7};
    case lk::ChangeFolder: return FileRecord{1, {}, {}};
    case lk::CopyFile: return FileRecord{2, {}, {}};
    case lk::RenameFile: return FileRecord{3, {}, {}};
    default: return FileRecord{4, {}, {}};
  }
}

}  // namespace tavrix
