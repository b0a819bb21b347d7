// The clipboard-file, web, sound, file-system, date/time and macro-file
// switching tags of a macro text. All of them fail silently: a missing file
// or an address that cannot be opened leaves playback going on.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace tavrix {

// The two halves of "<COPYFILE:" and "<RENFILE:": up to the first ";" and
// after it (the second is empty when there is no ";").
struct FilePair {
  std::string first;
  std::string second;
};

FilePair SplitFilePair(std::string_view text);

// A text file as "<TFILE:" and "<CLIPF:" read it: the whole file, without a
// final Ctrl-Z (code 26); nothing when it cannot be opened.
std::optional<std::string> ReadTextFile(Desktop& desktop, std::string_view path);

// What "<SWAP:" asks of the main window: make the named macro file current.
using SwapMacroFileHook = std::function<void(const std::string& path)>;

// How long the clipboard is given to settle after it is filled, unscaled.
constexpr std::uint32_t kClipboardSettleMilliseconds = 50;

class OtherCommands {
 public:
  explicit OtherCommands(Desktop& desktop) : desktop_(desktop) {}

  // Puts the text up to its first NUL on the clipboard and lets it settle.
  // An empty text leaves the clipboard as it was.
  void FillClipboard(std::string_view text);
  // "<CLIPF:"
  void ClipboardFromFile(std::string_view file);
  // "<HTTP:" and "<FTP:"
  void OpenWebAddress(std::string_view address);
  // "<WAV1:" (wait for the end) and "<WAV2:" (go on at once)
  void PlaySound(std::string_view file, bool waitForEnd);
  // "<BEEP>"
  void Beep();
  // "<CHDIR:", "<DELFILE:", "<COPYFILE:" (overwrites), "<RENFILE:"
  void ChangeFolder(std::string_view folder);
  void DeleteFile(std::string_view file);
  void CopyFile(std::string_view sourceAndTarget);
  void RenameFile(std::string_view oldAndNew);
  // The text a date tag (format 1..51) or time tag (1..26) types now.
  std::string DateTagText(int format, bool leadingZeros, int dayOffset);
  std::string TimeTagText(int format, bool leadingZeros);

 private:
  Desktop& desktop_;
};

}  // namespace tavrix
