#include "playback/recording_commands.h"

namespace tavrix {

namespace {

std::string Join(std::initializer_list<std::string> parts) {
  std::string line;
  for (const auto& part : parts) {
    if (!line.empty()) line += ' ';
    line += part;
  }
  return line;
}

std::string S(std::string_view text) { return std::string(text); }

}  // namespace

std::string DescribeCommand(const MacroElement& e) {
  const auto n = [](int value) { return std::to_string(value); };
  switch (e.kind) {
    case ElementKind::Activate: return Join({"activate", S(e.text)});
    case ElementKind::Launch: return Join({"launch", S(e.text), S(e.text2)});
    case ElementKind::LaunchWait: return Join({"launchno", n(e.number), S(e.title), S(e.text), S(e.text2)});
    case ElementKind::LaunchOrActivate: return Join({"launchyes", n(e.number), S(e.title), S(e.text), S(e.text2)});
    case ElementKind::WindowQuit: return Join({"wshut", S(e.text)});
    case ElementKind::WindowHide: return Join({"whide", S(e.text)});
    case ElementKind::WindowShow: return Join({"wshow", S(e.text)});
    case ElementKind::WindowMaximize: return Join({"wmax", S(e.text)});
    case ElementKind::WindowMinimize: return Join({"wmin", S(e.text)});
    case ElementKind::WindowRestore: return Join({"wres", S(e.text)});
    case ElementKind::WindowClose: return Join({"wcls", S(e.text)});
    case ElementKind::WindowSize: return Join({"wsize", n(e.number), n(e.number2), S(e.text)});
    case ElementKind::WindowPosition: return Join({"wpos", n(e.number), n(e.number2), S(e.text)});
    case ElementKind::Http: return Join({"http", S(e.text)});
    case ElementKind::Ftp: return Join({"ftp", S(e.text)});
    case ElementKind::WaveWait: return Join({"wav1", S(e.text)});
    case ElementKind::WaveNoWait: return Join({"wav2", S(e.text)});
    case ElementKind::Beep: return "beep";
    case ElementKind::ChangeFolder: return Join({"chdir", S(e.text)});
    case ElementKind::DeleteFile: return Join({"delfile", S(e.text)});
    case ElementKind::CopyFile: return Join({"copyfile", S(e.text), S(e.text2)});
    case ElementKind::RenameFile: return Join({"renfile", S(e.text), S(e.text2)});
    case ElementKind::Swap: return Join({"swap", S(e.text)});
    case ElementKind::Date:
      return Join({"date", n(e.number), e.leadingZeros ? "Y" : "N", n(e.number2)});
    case ElementKind::Time: return Join({"time", n(e.number), e.leadingZeros ? "Y" : "N"});
    default: return "element " + n(static_cast<int>(e.kind));
  }
}

CommandOutcome RecordingCommands::Execute(const MacroElement& element, PlaybackState& /*state*/) {
  note_(DescribeCommand(element));
  return CommandOutcome::Continue;
}

std::string RecordingCommands::DateTimeText(const MacroElement& element) {
  note_(DescribeCommand(element));
  return {};
}

}  // namespace tavrix
