// The web, sound, file-system and date/time tags of a macro text. All of
// them fail silently: a missing file or an address that cannot be opened
// leaves playback going on.
#pragma once

#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace tavrix {

class OtherCommands {
 public:
  explicit OtherCommands(Desktop& desktop) : desktop_(desktop) {}

  // "<HTTP:" and "<FTP:"
  void OpenWebAddress(std::string_view address);
  // "<WAV1:" (wait for the end) and "<WAV2:" (go on at once)
  void PlayWaveFile(std::string_view file, bool waitForEnd);
  // "<BEEP>"
  void Beep();
  // "<CHDIR:", "<DELFILE:", "<COPYFILE:" (overwrites), "<RENFILE:". The names
  // keep clear of the Windows API macros (DeleteFile, CopyFile, PlaySound).
  void ChangeFolder(std::string_view folder);
  void Delete(std::string_view file);
  void Copy(std::string_view source, std::string_view target);
  void Rename(std::string_view from, std::string_view to);
  // The text a date tag (format 1..51) or time tag (1..26) types now.
  std::string DateTagText(int format, bool leadingZeros, int dayOffset);
  std::string TimeTagText(int format, bool leadingZeros);

 private:
  Desktop& desktop_;
};

}  // namespace tavrix
