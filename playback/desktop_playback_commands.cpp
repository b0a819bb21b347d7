#include "playback/desktop_playback_commands.h"

#include "playback/other_commands.h"
#include "playback/window_commands.h"
#include "playback/window_lookup.h"

namespace tavrix {

namespace {

LaunchCommand LaunchOf(const MacroElement& element) { return LaunchCommand{element.text, element.text2}; }

}  // namespace

CommandOutcome DesktopPlaybackCommands::Execute(const MacroElement& element, PlaybackState& state) {
  WindowCommands window(desktop_, state.targetWindow, state.launchTitle);
  OtherCommands other(desktop_);
  switch (element.kind) {
    case ElementKind::Activate: return window.Activate(element.text);
    case ElementKind::Launch: window.Launch(LaunchOf(element)); break;
    case ElementKind::LaunchWait: return window.LaunchAndWait(element.number, element.title, LaunchOf(element));
    case ElementKind::LaunchOrActivate:
      return window.ActivateOrLaunch(element.number, element.title, LaunchOf(element));
    case ElementKind::WindowQuit: window.ChangeWindowState(WindowStateCommand::Shut, element.text); break;
    case ElementKind::WindowHide: window.ChangeWindowState(WindowStateCommand::Hide, element.text); break;
    case ElementKind::WindowShow: window.ChangeWindowState(WindowStateCommand::Show, element.text); break;
    case ElementKind::WindowMaximize: window.ChangeWindowState(WindowStateCommand::Maximize, element.text); break;
    case ElementKind::WindowMinimize: window.ChangeWindowState(WindowStateCommand::Minimize, element.text); break;
    case ElementKind::WindowRestore: window.ChangeWindowState(WindowStateCommand::Restore, element.text); break;
    case ElementKind::WindowClose: window.ChangeWindowState(WindowStateCommand::Close, element.text); break;
    case ElementKind::WindowSize: window.ResizeWindow(element.number, element.number2, element.text); break;
    case ElementKind::WindowPosition: window.MoveWindow(element.number, element.number2, element.text); break;
    case ElementKind::Http:
    case ElementKind::Ftp: other.OpenWebAddress(element.text); break;
    case ElementKind::WaveWait: other.PlayWaveFile(element.text, true); break;
    case ElementKind::WaveNoWait: other.PlayWaveFile(element.text, false); break;
    case ElementKind::Beep: other.Beep(); break;
    case ElementKind::ChangeFolder: other.ChangeFolder(element.text); break;
    case ElementKind::DeleteFile: other.Delete(element.text); break;
    case ElementKind::CopyFile: other.Copy(element.text, element.text2); break;
    case ElementKind::RenameFile: other.Rename(element.text, element.text2); break;
    case ElementKind::Swap:
      if (swapMacroFile_) swapMacroFile_(std::string(element.text.substr(0, kMaxTitleLength)));
      break;
    default: break;
  }
  return CommandOutcome::Continue;
}

std::string DesktopPlaybackCommands::DateTimeText(const MacroElement& element) {
  OtherCommands other(desktop_);
  if (element.kind == ElementKind::Date) return other.DateTagText(element.number, element.leadingZeros, element.number2);
  if (element.kind == ElementKind::Time) return other.TimeTagText(element.number, element.leadingZeros);
  return {};
}

}  // namespace tavrix
