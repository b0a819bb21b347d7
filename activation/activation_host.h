// What the activation dispatcher needs from the main window that owns it:
// opening the program itself, the clear timer, and the places where the
// capture, the popup menus and network sharing join the road of a hot key.
// Those three are separate parts of the program; until a main window plugs
// them in, the defaults below make them do nothing.
#pragma once

#include "store/macro_record.h"

namespace tavrix {

class ActivationHost {
 public:
  virtual ~ActivationHost() = default;

  // System activation "1": open the program's own window (`ActivateMe`).
  virtual void ActivateMe() = 0;
  // Starts the 15-second one-shot timer that clears the in-use mark.
  virtual void StartClearTimer() = 0;

  // System activation "2": start or stop a capture.
  virtual void StartCaptureFromHotKey() {}
  // System activation "4": the menu of the macros that fit the window in front.
  virtual void ShowMenuForTopMostWindow() {}
  // A popup-menu macro ran: shows its menu (the dispatcher marks the popup as
  // shown meanwhile) and answers the macro number chosen, 0 when cancelled.
  virtual int ShowPopupMenu(const MacroRecord& /*menu*/) { return 0; }
  // Network sharing: when the shared macro file changed since it was read,
  // reloads everything and answers true; the dispatcher then resolves the
  // hot key against the reloaded table.
  virtual bool ReloadIfNetworkFileChanged() { return false; }
};

}  // namespace tavrix
