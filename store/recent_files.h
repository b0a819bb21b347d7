// The five most recently used macro files, most recent first, as the main
// menu shows them ("&1   " .. "&5   " followed by the path).
#pragma once

#include <array>
#include <string>

namespace tavrix {

inline constexpr int kRecentFileCount = 5;
inline constexpr std::size_t kRecentFileCapacity = 255;
using RecentFiles = std::array<std::string, kRecentFileCount>;  // entry 1 at index 0

// `DoLastFiles`: takes `next` out of the list where it stands (exact
// comparison), moves everything down one place and puts `previous` first.
void UpdateRecentFiles(RecentFiles& files, const std::string& previous, const std::string& next);
// The menu caption of entry k (1..5).
std::string RecentFileCaption(int k, const std::string& path);
// The separator above the entries shows while any entry is non-empty.
bool RecentFilesSeparatorVisible(const RecentFiles& files);

}  // namespace tavrix
