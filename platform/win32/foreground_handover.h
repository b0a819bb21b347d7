// The one way the program puts a window in front of another program and gives
// the focus back afterwards. Playback's focus technique is the same procedure.
#pragma once

#include <cstdint>

#include "platform/desktop.h"

namespace tavrix {

// Brings `window` to the foreground: this thread's input is attached to the
// thread of the window now in front and the window's own thread to this one,
// so that Windows accepts the change from a program that is not in front;
// then the window is made the foreground window and given the focus (unless
// the focus is already inside it), and the threads are detached again.
// Returns once the window is in front, or after a short bounded wait.
void BringWindowToFront(WindowId window);

// Gives the focus back to a window remembered before one of the program's
// boxes took it. Nothing when it has been closed meanwhile.
void GiveFocusBack(WindowId remembered);

// Polls (at most `maxMs`) until `window` or a window it owns is in front.
bool WaitUntilInFront(WindowId window, std::uint32_t maxMs);

// Around a modal box of the program. In tray mode the application's taskbar
// window (when there is one) is shown for the time of the box. Otherwise the
// window in front is remembered, the program is restored if minimised and
// its main window hidden; afterwards the main window is shown again and the
// focus goes back to the remembered window.
class ModalHandover {
 public:
  ModalHandover(bool trayMode, WindowId mainWindow, WindowId taskbarWindow = 0);
  ~ModalHandover();
  ModalHandover(const ModalHandover&) = delete;
  ModalHandover& operator=(const ModalHandover&) = delete;

  WindowId Remembered() const { return remembered_; }
  // Whether the program had to be restored from minimised for the box.
  bool RestoredProgram() const { return restoredProgram_; }

 private:
  bool trayMode_;
  WindowId mainWindow_;
  WindowId taskbarWindow_;
  WindowId remembered_ = 0;
  bool restoredProgram_ = false;
  bool hidMainWindow_ = false;
};

}  // namespace tavrix
