#include "store/recent_files.h"

#include <algorithm>

namespace tavrix {

void UpdateRecentFiles(RecentFiles& files, const std::string& previous, const std::string& next) {
  const auto found = std::find(files.begin(), files.end(), next);
  if (found != files.end()) {
    std::move(found + 1, files.end(), found);
    files.back().clear();
  }
  std::move_backward(files.begin(), files.end() - 1, files.end());
  files.front() = previous.substr(0, std::min(previous.size(), kRecentFileCapacity));
}

std::string RecentFileCaption(int k, const std::string& path) {
  std::string caption(1, '&');
  caption += std::to_string(k);
  caption += "   ";
  caption += path;
  return caption;
}

bool RecentFilesSeparatorVisible(const RecentFiles& files) {
  return std::any_of(files.begin(), files.end(), [](const std::string& f) { return !f.empty(); });
}

}  // namespace tavrix
