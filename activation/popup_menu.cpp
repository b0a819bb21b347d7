#include "activation/popup_menu.h"

#include <algorithm>

#include "base/ascii_text.h"
#include "base/hot_key_table.h"
#include "playback/scope_resolution.h"

namespace tavrix {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64};
constexpr int kIconsPerRow = 9;
constexpr int kOneListWidth = 300;
constexpr int kTwoListsWidth = 604;
constexpr int kFullFirstListHeight = 314;
constexpr int kBelowLists = 42;
constexpr int kBottomRow = 21;  // "&Cancel" and the message sit this far above the bottom
constexpr int kHeadingHeight = 16;
constexpr int kListTop = 18;
constexpr int kCancelWidth = 75;
constexpr int kCancelHeight = 19;

}  // namespace

PopupOptions PopupOptions::Read(std::string_view optionText) {
  PopupOptions options;
  options.tray = !optionText.empty() && optionText[0] == 'Y';
  const char style = optionText.size() > 1 ? optionText[1] : ' ';
  options.style = style == '1' ? PopupStyle::FirstPart : style == '2' ? PopupStyle::Icons : PopupStyle::NickNameAndScope;
  options.sizeCode = optionText.size() > 2 ? optionText[2] : '0';
  return options;
}

std::string PopupOptions::Text() const {
  std::string text(tray ? "Y" : "N");
  text += static_cast<char>('0' + static_cast<int>(style));
  text += sizeCode;
  return text;
}

int PopupOptions::IconSize() const {
  return sizeCode >= '0' && sizeCode <= '4' ? kIconSizes[sizeCode - '0'] : kIconSizes[0];
}

std::string EntryLabel(int entry) {
  if (entry >= 0 && entry <= 9) return std::string(1, static_cast<char>('0' + entry));
  if (entry >= 10 && entry < kMaxPopupEntries) return std::string(1, static_cast<char>('A' + entry - 10));
  return {};
}

int EntryForTypedCharacter(char typed, int count) {
  int entry = -1;
  if (typed >= '0' && typed <= '9') entry = typed - '0';
  if (typed >= 'a' && typed <= 'z') typed = static_cast<char>(typed - 'a' + 'A');
  if (typed >= 'A' && typed <= 'Z') entry = typed - 'A' + 10;
  return entry >= 0 && entry < count ? entry : -1;
}

std::vector<int> ValidMenuEntries(const MacroRecord& menu, int macroCount) {
  std::vector<int> entries;
  for (const std::uint16_t n : menu.PopupMenuList()) {
    if (n < 1 || n > macroCount) continue;
    entries.push_back(n);
    if (static_cast<int>(entries.size()) == kMaxPopupEntries) break;
  }
  return entries;
}

ChooseLayout LayoutChooseWindow(PopupStyle style, int iconSize, int entries) {
  ChooseLayout layout;
  if (style == PopupStyle::Icons) {
    const int side = iconSize + 4;
    const int rows = (entries + kIconsPerRow - 1) / kIconsPerRow;
    layout.clientHeight = rows * side + 22;
    if (entries > 8)
      layout.clientWidth = kIconsPerRow * iconSize + 36;
    else if (entries >= 4)
      layout.clientWidth = entries * side;
    else
      layout.clientWidth = 4 * side;
    for (int i = 0; i < entries; ++i)
      layout.iconButtons.push_back({(i % kIconsPerRow) * side, (i / kIconsPerRow) * side, side, side});
  } else {
    layout.lists = entries < 19 ? 1 : 2;
    if (layout.lists == 1) {
      layout.clientWidth = kOneListWidth;
      layout.list1 = {0, kListTop, kOneListWidth, entries * kChooseRowHeight + 8};
    } else {
      layout.clientWidth = kTwoListsWidth;
      layout.list1 = {0, kListTop, kOneListWidth, kFullFirstListHeight};
      layout.list2 = {kTwoListsWidth - kOneListWidth, kListTop, kOneListWidth, entries * kChooseRowHeight - 298};
    }
    layout.clientHeight = layout.list1.height + kBelowLists;
    // The headings sit over the text and the scope cells of the first list.
    const int unit = kOneListWidth / 7;
    layout.heading1 = {unit / 2 + 2, 1, 4 * unit, kHeadingHeight};
    layout.heading2 = {5 * unit + 2, 1, 2 * unit, kHeadingHeight};
    layout.message = {4, layout.clientHeight - kBottomRow + 2, 220, kHeadingHeight};
  }
  const int cancelWidth = std::min(kCancelWidth, layout.clientWidth);
  const int cancelLeft = style == PopupStyle::Icons ? (layout.clientWidth - cancelWidth) / 2
                                                     : layout.clientWidth - cancelWidth - 4;
  layout.cancel = {cancelLeft, layout.clientHeight - kBottomRow, cancelWidth, kCancelHeight};
  return layout;
}

Point PlaceChooseWindow(int width, int height, int screenWidth, int screenHeight, std::optional<int> clickX) {
  if (!clickX) return {(screenWidth - width) / 2, (screenHeight - height) / 2};
  int left = *clickX;
  if (left + width > screenWidth) left = *clickX - width;
  if (left < 0) left = 0;
  return {left, screenHeight - height};
}

std::string MacroDisplayName(const MacroIndex& index, int n) {
  const std::string nick(TrimBlanks(index.NickName(n)));
  if (!nick.empty()) return nick;
  return ActivationDisplayName(index, n);
}

std::string ActivationDisplayName(const MacroIndex& index, int n) {
  const std::uint16_t activation = index.table().Activation(n);
  if (activation == kTimedActivation) return "Timed Macro";
  if (activation == kWordletActivation) return index.Wordlet(n);
  return HotKeyName(activation);
}

std::string ScopeDisplayName(const MacroIndex& index, int n) {
  switch (index.table().Scope(n)) {
    case kScopeGlobal: return "GLOBAL";
    case kScopePopupMenu: return "Popup Menu";
    default: return CutText(index.table().ScopeName(n), kTableScopeNameCapacity);
  }
}

std::string ShortenToFit(std::string text, const std::function<bool(std::string_view)>& fits) {
  while (!text.empty() && !fits(text)) text.pop_back();
  return text;
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const bool slashes = folder.find('\\') == std::string::npos && folder.find('/') != std::string::npos;
  const char separator = slashes ? '/' : '\\';
  if (folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + separator + name;
}

std::string IconsFolderOf(const std::string& programFolder) { return JoinFolder(programFolder, kIconsFolderName); }

std::string FileNamePart(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string EntryIcon(const MacroRecord& entry, IconFiles* icons) {
  const std::string name = entry.IconName();
  if (name == kProgramIconName) return "program";
  if (name == kMenuIconName) return "menu";
  if (!name.empty() && icons != nullptr && icons->Exists(JoinFolder(icons->Folder(), name))) return name;
  return entry.Scope() == kScopePopupMenu ? "menu" : "program";
}

std::string TrayIconOf(const MacroRecord& menu, IconFiles* icons) {
  const std::string name = menu.IconName();
  if (name != kMenuIconName && !name.empty() && icons != nullptr && icons->Exists(JoinFolder(icons->Folder(), name)))
    return name;
  return "menu";
}

std::vector<ChooseEntry> BuildChooseEntries(const MacroRecord& menu, const MacroFile& file, IconFiles* icons) {
  const MacroIndex& index = file.index();
  const PopupOptions options = PopupOptions::Read(menu.WordletText());
  std::vector<ChooseEntry> entries;
  for (const int n : ValidMenuEntries(menu, index.Count())) {
    ChooseEntry entry;
    entry.macro = n;
    entry.label = EntryLabel(static_cast<int>(entries.size()));
    if (options.style == PopupStyle::NickNameAndScope) {
      entry.text = MacroDisplayName(index, n);
      entry.scope = ScopeDisplayName(index, n);
    } else {
      // Only the first-part style and the icons need the record itself.
      MacroRecord record;
      if (file.ReadRecord(n, record)) {
        if (options.style == PopupStyle::FirstPart) {
          entry.text = record.Scope() == kScopePopupMenu ? std::string() : record.MacroText();
        } else {
          entry.icon = EntryIcon(record, icons);
        }
      } else if (options.style == PopupStyle::Icons) {
        entry.icon = index.table().Scope(n) == kScopePopupMenu ? "menu" : "program";
      }
      entry.hint = index.NickName(n);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

MacroRecord BuildTopWindowMenu(const MacroIndex& index, const std::string& title, const std::string& program,
                               int systemMenuStyle) {
  const std::string upperTitle = ToUpperAscii(title);
  const std::string upperProgram = ToUpperAscii(program);
  std::vector<std::uint16_t> list;
  for (int n = 1; n <= index.Count() && static_cast<int>(list.size()) < kMaxPopupEntries; ++n) {
    const std::int16_t scope = index.table().Scope(n);
    if (scope != kScopeWindow && scope != kScopeProgram) continue;
    const std::string name = ToUpperAscii(CutText(index.table().ScopeName(n), kTableScopeNameCapacity));
    if (ScopeNameMatches(scope == kScopeWindow ? upperTitle : upperProgram, name))
      list.push_back(static_cast<std::uint16_t>(n));
  }
  MacroRecord menu;
  menu.SetScope(kScopePopupMenu);
  std::string options = "  2";
  options[1] = static_cast<char>('0' + (systemMenuStyle >= 1 && systemMenuStyle <= 3 ? systemMenuStyle : 1));
  menu.SetWordletText(options);
  menu.SetPopupMenuList(list);
  return menu;
}

std::vector<PopupTrayIcon> PopupTrayIcons(const MacroFile& file, IconFiles* icons) {
  const MacroIndex& index = file.index();
  std::vector<PopupTrayIcon> shown;
  for (int n = 1; n <= index.Count() && static_cast<int>(shown.size()) < kMaxPopupTrayIcons; ++n) {
    if (index.table().Scope(n) != kScopePopupMenu) continue;
    const std::string& options = index.Wordlet(n);
    if (options.empty() || options[0] != 'Y') continue;
    MacroRecord menu;
    if (!file.ReadRecord(n, menu)) menu.SetIconName(kMenuIconName);
    shown.push_back({n, TrayIconOf(menu, icons), index.NickName(n)});
  }
  return shown;
}

}  // namespace tavrix
