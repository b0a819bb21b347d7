#include "editing/command_names.h"

#include <array>

namespace tavrix {

namespace {

constexpr std::array<std::string_view, kCommandCount> kNames = {
    "Text",
    "Date",
    "Time",
    "Delay",
    "Pause",
    "Repeat Start",
    "Repeat End",
    "Keystroke Speed",
    "Mouse Speed",
    "Activate Window",
    "Launch Program",
    "Sound Beep",
    "Sound Wave File",
    "Load New Macro File",
    "Load Text File",
    "Resize Window",
    "Reposition Window",
    "Maximize Window",
    "Minimize Window",
    "Restore Window",
    "Close Window",
    "Hide Window",
    "Show Window",
    "Mouse Move",
    "Left Mouse Button",
    "Right Mouse Button",
    "Middle Mouse Button",
    "Mouse Wheel",
    "Remark",
    "Clipboard Copy",
    "Clipboard Paste",
    "Repeat Counter",
    "Activate or Launch",
    "Launch and Activate",
    "Clipboard Start Copy",
    "Clipboard End Copy",
    "Clipboard File Copy",
    "Shut Down Program",
    "Control Key",
    "Alt Key",
    "Shift Key",
    "Win Key",
    "Web Site",
    "Web FTP",
    "Repeat Prompt Start",
    "Change Directory/Folder",
    "Delete File",
    "Copy File",
    "Rename File",
    "Macro Playback Speed",
};

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string_view CommandName(int kind) {
  if (kind < 1 || kind > kCommandCount) return {};
  return kNames[static_cast<std::size_t>(kind - 1)];
}

int LineKindOf(std::string_view display) {
  const std::string_view text = Trimmed(display);
  for (int kind = 1; kind <= kCommandCount; ++kind) {
    if (text.starts_with(CommandName(kind))) return kind;
  }
  return line_kind::None;
}

}  // namespace tavrix
