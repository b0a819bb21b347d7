#include "playback/other_commands.h"

#include "playback/date_time_text.h"
#include "playback/window_lookup.h"

namespace tavrix {

namespace {

std::string Path(std::string_view text) { return std::string(text.substr(0, kMaxTitleLength)); }

}  // namespace

void OtherCommands::OpenWebAddress(std::string_view address) { desktop_.OpenAddress(Path(address)); }

void OtherCommands::PlayWaveFile(std::string_view file, bool waitForEnd) { desktop_.PlayWave(Path(file), waitForEnd); }

void OtherCommands::Beep() { desktop_.Beep(); }

void OtherCommands::ChangeFolder(std::string_view folder) { desktop_.ChangeFolder(Path(folder)); }

void OtherCommands::Delete(std::string_view file) { desktop_.DeleteFile(Path(file)); }

void OtherCommands::Copy(std::string_view source, std::string_view target) {
  // A copy with no source or no target (no ";" in the tag) can only fail.
  if (source.empty() || target.empty()) return;
  desktop_.CopyFile(Path(source), Path(target));
}

void OtherCommands::Rename(std::string_view from, std::string_view to) {
  if (from.empty() || to.empty()) return;
  desktop_.RenameFile(Path(from), Path(to));
}

std::string OtherCommands::DateTagText(int format, bool leadingZeros, int dayOffset) {
  return DateText(desktop_.Now(), format, leadingZeros, dayOffset);
}

std::string OtherCommands::TimeTagText(int format, bool leadingZeros) {
  return TimeText(desktop_.Now(), format, leadingZeros);
}

}  // namespace tavrix
