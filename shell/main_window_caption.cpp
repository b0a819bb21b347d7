#include "shell/main_window_caption.h"

#include <cstdio>

namespace tavrix {

std::string MainWindowCaption(const std::string& fileTitle, const StartupModes& modes, const std::string& dateTime) {
  std::string caption = "Tavrix (" + fileTitle + ")";
  if (!dateTime.empty()) caption += "     " + dateTime;
  if (modes.lockedBrowse)
    caption += "    (Browse All Mode)";
  else if (modes.browse)
    caption += "    (Browse Mode)";
  return caption;
}

std::string CaptionDateTime(const LocalDateTime& now) {
  const int hour12 = now.hour % 12 == 0 ? 12 : now.hour % 12;
  char text[64];
  std::snprintf(text, sizeof text, "%d/%d/%d  %d:%02d:%02d %s", now.month, now.day, now.year, hour12, now.minute,
                now.second, now.hour < 12 ? "AM" : "PM");
  return text;
}

}  // namespace tavrix
