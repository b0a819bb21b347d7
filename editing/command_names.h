// The fixed table of the script editor's 50 command names. A name's index
// (from 1) is the kind of a script line, and every line's display text begins
// with the name of its kind, which is how the kind is found again.
#pragma once

#include <string_view>

namespace tavrix {

inline constexpr int kCommandCount = 50;

// The kinds of script lines by name.
namespace line_kind {
inline constexpr int None = 0, Text = 1, Date = 2, Time = 3, Delay = 4, Pause = 5, RepeatStart = 6,
                     RepeatEnd = 7, KeystrokeSpeed = 8, MouseSpeed = 9, ActivateWindow = 10, LaunchProgram = 11,
                     SoundBeep = 12, SoundWaveFile = 13, LoadMacroFile = 14, LoadTextFile = 15, ResizeWindow = 16,
                     RepositionWindow = 17, MaximizeWindow = 18, MinimizeWindow = 19, RestoreWindow = 20,
                     CloseWindow = 21, HideWindow = 22, ShowWindow = 23, MouseMove = 24, LeftMouseButton = 25,
                     RightMouseButton = 26, MiddleMouseButton = 27, MouseWheel = 28, Remark = 29,
                     ClipboardCopy = 30, ClipboardPaste = 31, RepeatCounter = 32, ActivateOrLaunch = 33,
                     LaunchAndActivate = 34, ClipboardStartCopy = 35, ClipboardEndCopy = 36,
                     ClipboardFileCopy = 37, ShutDownProgram = 38, ControlKey = 39, AltKey = 40, ShiftKey = 41,
                     WinKey = 42, WebSite = 43, WebFtp = 44, RepeatPromptStart = 45, ChangeFolder = 46,
                     DeleteFile = 47, CopyFile = 48, RenameFile = 49, PlaybackSpeed = 50;
}  // namespace line_kind

// The name of kind 1..50; empty for any other number.
std::string_view CommandName(int kind);

// The kind of a display text: the first kind whose name the text begins
// with once its leading and trailing spaces are trimmed; 0 for none.
int LineKindOf(std::string_view display);

}  // namespace tavrix
