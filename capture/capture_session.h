// The program's side of a capture: starting one (the quick capture of the
// "Start / Stop Capture" hot key, "Recapture Macro" through the "Capture
// Macro" dialog, and the capture of a new macro for the add dialog), taking
// in the recording the hook library streams one character at a time, and
// the end: the recording moves into the macro text or, when longer than a
// macro text holds, into an overflow file the text names; the record is
// completed ("Capture Complete" after a quick capture) and saved.
//
// The right to change the macro file is held from the start of a capture to
// its end (network mode), so no other copy changes the file meanwhile.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "capture/capture_dialogs.h"
#include "capture/capture_files.h"
#include "capture/capture_settings.h"
#include "platform/ui.h"
#include "store/macro_file.h"
#include "store/network_lock.h"

namespace tavrix {

inline constexpr const char* kCaptureFileName = "TempCap.Txt";
inline constexpr const char* kBrowseCaptureText = "Capture not allowed in Browse Mode.";
inline constexpr const char* kCaptureInProgressText = "A capture is currently in progress.  Capture not allowed.";
inline constexpr const char* kCaptureMaximumText = "Maximum number of macros has been reached.  Capture not allowed.";

// What a capture needs of the main window and the system around it.
class CaptureHost : public FileLockHolder {
 public:
  // Browse mode or browse-all mode: nothing may be captured.
  virtual bool BrowseMode() { return false; }
  // `GetTopProgram`: the file name of the program that owns the window in front.
  virtual std::string TopProgram() { return {}; }
  // The recording icon in the system tray (tool tip "Macro Is Recording").
  virtual void ShowRecordingIcon(bool /*shown*/) {}
  // The capture dialog closed with a capture started: the program steps out
  // of the way (tray mode: hidden, the window that was in front before it
  // came up in front again; otherwise minimised).
  virtual void GetOutOfTheWay() {}
  // Around "Capture Complete": the program shown for it, then as it was.
  virtual void BeforeCapComplete() {}
  virtual void AfterCapComplete() {}
  // After the record is saved: the main window comes forward and shows the
  // list again with macro `n` selected.
  virtual void BringMainToFront() {}
  virtual void ShowMainWindow() {}
  virtual void RefreshList(int /*select*/) {}
  // The hot keys were published again (`SetHotKeys`).
  virtual void HotKeysChanged() {}
};

struct CaptureEnvironment {
  MacroFile& file;
  Ui& ui;
  CaptureFiles& files;
  CaptureHost& host;
  // The date and time now, as `LastModified` stores it.
  std::function<double()> now;
  // The program's directory: the overflow files live there.
  std::string folder;
  // Where the capture file lives while it records keys: the user's own
  // folder, out of other users' sight; the program's directory when empty.
  std::string scratchFolder = {};
};

class CaptureSession {
 public:
  explicit CaptureSession(CaptureEnvironment environment);
  ~CaptureSession();

  // `StartACapture`: a new macro is appended and records at once. False
  // when refused (the user has been told).
  bool StartACapture(const CaptureSettings& defaults);
  // `DoCapture`: "Recapture Macro" of macro `selected` (0 for none) through
  // the "Capture Macro" dialog. True when a capture started.
  bool DoCapture(int selected, const CaptureSettings& defaults);
  // For the add dialog: the "Capture Macro" dialog for new macro `n` (the
  // count + 1) whose activation is already in `record` and in the table.
  // When it answers true the capture has started and the count was raised:
  // the caller appends `record` at once; the recording arrives at the end.
  bool CaptureNewMacro(MacroRecord& record, int n, bool noGlobal, const CaptureSettings& defaults);

  // Message 3: one recorded character for macro `macro`.
  void OnCaptureChar(std::uint32_t macro, std::uint8_t character);
  // Message 4 (`macro` is the captured one), "End Capture" and a right-click
  // on the recording icon (`EndCapture1Click`: the table's `CaptureMacro`).
  void OnCaptureComplete(std::uint32_t macro);
  void EndCapture1Click();

  bool Recording() const;
  // Whether the last capture that ended reached the macro file.
  bool Saved() const { return saved_; }
  // The number it was saved at.
  int LastNumber() const { return lastNumber_; }
  bool QuickCapture() const { return quick_; }
  // The overflow file the last end used, or empty.
  const std::string& OverflowFile() const { return overflow_; }
  std::string CaptureFilePath();

 private:
  bool ShowCaptureDialog(TCaptureKeys& dialog, MacroRecord& record, const CaptureSettings& defaults);
  bool CreateCaptureFile();
  void WriteFields(const CaptureSettings& options);
  void ArmStopKey(std::uint16_t activation, bool secondKey);
  int StopKeyCode() const;
  void SwitchOn();
  void AbandonAfterFileError();
  bool MoveRecordingInto(MacroRecord& record);
  void Finish(int n, MacroRecord& record);
  void ForgetQuickMacro();

  CaptureEnvironment env_;
  MacroRecord record_;  // the macro a quick capture or a recapture saves at its end
  MacroRecord read_;    // a recaptured macro as read from the file
  bool recapture_ = false;
  bool saved_ = false;
  int lastNumber_ = 0;
  std::unique_ptr<CaptureFileWriter> writer_;
  std::unique_ptr<SyncFileHold> hold_;
  bool quick_ = false;
  bool finished_ = true;
  bool programScope_ = false;
  int speed_ = 1;
  int current_ = 0;
  std::string topProgram_;
  std::string overflow_;
  bool globalDefault_ = true;
  bool endedByUser_ = false;  // ended from the program, not by a stop key
};

}  // namespace tavrix
