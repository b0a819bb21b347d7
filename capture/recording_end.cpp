#include "capture/recording_end.h"

#include <array>

namespace tavrix {

namespace {

struct HeldTag {
  const char* down;
  const char* up;
};

// In the order the releases are written.
constexpr std::array<HeldTag, 7> kHeld{{{"<LDN>", "<LUP>"},
                                        {"<RDN>", "<RUP>"},
                                        {"<MDN>", "<MUP>"},
                                        {"<SHFD>", "<SHFU>"},
                                        {"<WIND>", "<WINU>"},
                                        {"<ALTD>", "<ALTU>"},
                                        {"<CTLD>", "<CTLU>"}}};

bool IsMoveOrPause(std::string_view tag) {
  return tag.starts_with("<MMS:") || tag.starts_with("<MMW:") || tag.starts_with("<MSD:") ||
         tag.starts_with("<DELAY:");
}

// The tags of the text's tail from `from`: true when every character there
// belongs to a tag that passes `allowed`.
template <typename Allowed>
bool OnlyTags(std::string_view text, std::size_t from, Allowed allowed) {
  while (from < text.size()) {
    if (text[from] != '<') return false;
    const std::size_t close = text.find('>', from);
    if (close == std::string_view::npos || !allowed(text.substr(from, close + 1 - from))) return false;
    from = close + 1;
  }
  return true;
}

// Without a last right-click (and its pointer move and pause) that nothing
// but its release, moves and pauses follow.
std::string WithoutIconClick(std::string_view text) {
  const std::size_t click = text.rfind("<RDN>");
  if (click == std::string_view::npos) return std::string(text);
  const bool onlyRelease = OnlyTags(text, click + 5, [](std::string_view tag) {
    return tag == "<RUP>" || IsMoveOrPause(tag);
  });
  if (!onlyRelease) return std::string(text);
  std::size_t cut = click;
  while (cut > 0 && text[cut - 1] == '>') {
    const std::size_t open = text.rfind('<', cut - 1);
    if (open == std::string_view::npos || !IsMoveOrPause(text.substr(open, cut - open))) break;
    cut = open;
  }
  return std::string(text.substr(0, cut));
}

}  // namespace

std::string FinishRecordingEndedByUser(std::string_view recorded) {
  std::string text = WithoutIconClick(recorded);
  for (const HeldTag& held : kHeld) {
    const std::size_t down = text.rfind(held.down);
    const std::size_t up = text.rfind(held.up);
    if (down != std::string::npos && (up == std::string::npos || up < down)) text += held.up;
  }
  return text;
}

}  // namespace tavrix
