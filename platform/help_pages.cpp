#include "platform/help_pages.h"

namespace tavrix {

std::string HelpPageName(std::string_view keyword) {
  std::string name;
  bool gap = false;
  for (const char c : keyword) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!letter) {
      gap = !name.empty();
      continue;
    }
    if (gap) name += '-';
    gap = false;
    name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  return name.empty() ? kHelpContentsPage : name + ".html";
}

std::string HelpPagePath(std::string_view helpFile, std::string_view keyword) {
  const std::size_t slash = helpFile.find_last_of("\\/");
  const std::string_view folder = slash == std::string_view::npos ? std::string_view() : helpFile.substr(0, slash + 1);
  return std::string(folder) + kHelpPagesFolder + "\\" + HelpPageName(keyword);
}

}  // namespace tavrix
