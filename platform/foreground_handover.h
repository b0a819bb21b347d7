// The one owner of the foreground hand-over: every step that moves the
// foreground away from the window in front, or puts one of the program's
// windows in front of another program, goes through here. Before any of
// them the window in front takes every key already sent to it (one bounded
// wait, on the desktop); around a form of the program the program's own
// windows step aside and the focus goes back afterwards. Portable: the
// Windows side only carries out the single steps.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace tavrix {

// The program's own windows as the hand-over moves them.
class ProgramWindows {
 public:
  virtual ~ProgramWindows() = default;
  // The program runs as a tray icon only.
  virtual bool InTrayMode() = 0;
  // In tray mode: shows (without activating it) or hides the application's
  // taskbar window.
  virtual void ShowTaskbarWindow(bool visible) = 0;
  virtual bool ProgramMinimized() = 0;
  virtual void RestoreProgram() = 0;
  virtual void MinimizeProgram() = 0;
  // Shows the main window without taking the activation from the window in
  // front.
  virtual void ShowMainWindow() = 0;
  virtual void HideMainWindow() = 0;
};

class ForegroundHandover {
 public:
  ForegroundHandover(Desktop& desktop, Ui& ui, ProgramWindows& windows)
      : desktop_(desktop), ui_(ui), windows_(windows) {}

  // Before a step moves the foreground or shows a window of the program:
  // the window in front reads the keys sent to it so far.
  void LetFrontWindowTakeKeys() { desktop_.LetFrontWindowReadSentKeys(); }

  // Brings `window` to the front with the focus technique, once the window
  // in front has taken its keys. Nothing for window 0.
  void BringToFront(WindowId window);

  // Shows `form` modally in front of whatever program is in front. Before:
  // the keys sent so far are taken; in tray mode the taskbar window shows
  // for the time of the form, otherwise the program is restored if it was
  // minimised and its main window steps aside. After: the taskbar window
  // hides, or the main window shows again; keys the user still holds from
  // answering (the Alt of Alt+R, a hot key's modifiers) are let go of
  // harmlessly, and the focus goes to `focusAfter`, or (0) to the window
  // that was in front before.
  ModalResult ShowModal(Form& form, WindowId focusAfter = 0);
  // Whether the last ShowModal had to restore the minimised program.
  bool RestoredProgram() const { return restoredProgram_; }

  // The top-most message (`DoAMessage`): a second one is dropped while one
  // is open.
  void DoAMessage(const std::string& caption, const std::string& text);
  bool MessageOpen() const { return messageOpen_; }

 private:
  void MakeAltReleaseHarmless();

  Desktop& desktop_;
  Ui& ui_;
  ProgramWindows& windows_;
  bool restoredProgram_ = false;
  bool messageOpen_ = false;
};

}  // namespace tavrix
