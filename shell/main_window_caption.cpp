#include "shell/main_window_caption.h"

namespace tavrix {

std::string MainWindowCaption(const std::string& fileTitle, const StartupModes& modes) {
  std::string caption = "Tavrix (" + fileTitle + ")";
  if (modes.lockedBrowse)
    caption += "    (Browse All Mode)";
  else if (modes.browse)
    caption += "    (Browse Mode)";
  return caption;
}

}  // namespace tavrix
