#include "playback/other_commands.h"

#include "playback/date_time_text.h"
#include "playback/window_lookup.h"

namespace tavrix {

namespace {

constexpr char kEndOfFileMark = 26;  // Ctrl-Z

std::string Path(std::string_view text) { return std::string(text.substr(0, kMaxTitleLength)); }

}  // namespace

FilePair SplitFilePair(std::string_view text) {
  const std::size_t separator = text.find(';');
  if (separator == std::string_view::npos) return {Path(text), {}};
  return {Path(text.substr(0, separator)), Path(text.substr(separator + 1))};
}

std::optional<std::string> ReadTextFile(Desktop& desktop, std::string_view path) {
  std::optional<std::string> contents = desktop.ReadFile(Path(path));
  if (contents && !contents->empty() && contents->back() == kEndOfFileMark) contents->pop_back();
  return contents;
}

void OtherCommands::FillClipboard(std::string_view text) {
  const std::string_view upToNul = text.substr(0, text.find('\0'));
  // Copying an empty selection leaves the clipboard alone.
  if (!upToNul.empty()) desktop_.SetClipboardText(std::string(upToNul));
  desktop_.Wait(kClipboardSettleMilliseconds);
}

void OtherCommands::ClipboardFromFile(std::string_view file) {
  if (const std::optional<std::string> text = ReadTextFile(desktop_, file)) FillClipboard(*text);
}

void OtherCommands::OpenWebAddress(std::string_view address) { desktop_.OpenAddress(Path(address)); }

void OtherCommands::PlaySound(std::string_view file, bool waitForEnd) { desktop_.PlayWave(Path(file), waitForEnd); }

void OtherCommands::Beep() { desktop_.Beep(); }

void OtherCommands::ChangeFolder(std::string_view folder) { desktop_.ChangeFolder(Path(folder)); }

void OtherCommands::DeleteFile(std::string_view file) { desktop_.DeleteFile(Path(file)); }

void OtherCommands::CopyFile(std::string_view sourceAndTarget) {
  const FilePair pair = SplitFilePair(sourceAndTarget);
  // A copy with no source or no target can only fail; skip the call.
  if (pair.first.empty() || pair.second.empty()) return;
  desktop_.CopyFile(pair.first, pair.second);
}

void OtherCommands::RenameFile(std::string_view oldAndNew) {
  const FilePair pair = SplitFilePair(oldAndNew);
  if (pair.first.empty() || pair.second.empty()) return;
  desktop_.RenameFile(pair.first, pair.second);
}

std::string OtherCommands::DateTagText(int format, bool leadingZeros, int dayOffset) {
  return DateText(desktop_.Now(), format, leadingZeros, dayOffset);
}

std::string OtherCommands::TimeTagText(int format, bool leadingZeros) {
  return TimeText(desktop_.Now(), format, leadingZeros);
}

}  // namespace tavrix
