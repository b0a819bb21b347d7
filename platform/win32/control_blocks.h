// The two small blocks the hook library reads besides the macro table: the
// key-swap block "TVTT1KGR" and the window block "TVKR1KGR". The program
// creates and maps them here; the main window fills them in and releases
// them at its end.
#pragma once

#include <cstdint>

#include "platform/win32/named_objects.h"

namespace tavrix {

class ControlBlocks {
 public:
  // Creates and maps both blocks; false after the failure message.
  bool Create();
  // Unmaps and closes both blocks.
  void Release();

  bool ready() const { return keySwapView_ && windowView_; }
  std::uint8_t* KeySwapBytes() const { return keySwapView_.data(); }
  std::uint8_t* WindowBytes() const { return windowView_.data(); }

 private:
  KernelHandle keySwapMapping_;
  MappedView keySwapView_;
  KernelHandle windowMapping_;
  MappedView windowView_;
};

}  // namespace tavrix
