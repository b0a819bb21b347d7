#include "shell/win32/main_menu.h"

namespace tavrix {
namespace {

// Appends the items of menu `only` from the layout; the menus it opens as
// submenus must exist.
void Fill(const std::array<HMENU, kMenuCount>& menus, Menu only) {
  for (const MenuItem& item : MenuLayout()) {
    if (item.menu != only) continue;
    const HMENU menu = menus[static_cast<std::size_t>(item.menu)];
    switch (item.kind) {
      case MenuItem::Kind::Entry:
        AppendMenuA(menu, MF_STRING | MF_GRAYED, MenuId(item.command), item.caption);
        break;
      case MenuItem::Kind::Separator:
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        break;
      case MenuItem::Kind::Submenu:
        AppendMenuA(menu, MF_POPUP | MF_STRING,
                    reinterpret_cast<UINT_PTR>(menus[static_cast<std::size_t>(item.submenu)]), item.caption);
        break;
    }
  }
}

}  // namespace

MainMenu::MainMenu() {
  for (int k = 0; k < kMenuCount; ++k) {
    const auto menu = static_cast<Menu>(k);
    if (menu == Menu::Tray) continue;
    menus_[static_cast<std::size_t>(k)] = menu == Menu::Bar ? CreateMenu() : CreatePopupMenu();
  }
  for (int k = 0; k < kMenuCount; ++k) {
    if (static_cast<Menu>(k) != Menu::Tray) Fill(menus_, static_cast<Menu>(k));
  }
}

void MainMenu::SetRecentFiles(const RecentFiles& files) {
  const HMENU file = Handle(Menu::File);
  // Take out what was shown, then insert the entries that hold a path.
  const int shown = recentShown_ + (recentSeparator_ ? 1 : 0);
  for (int i = 0; i < shown; ++i) DeleteMenu(file, kRecentFilesPosition, MF_BYPOSITION);
  recentShown_ = 0;
  recentSeparator_ = RecentFilesSeparatorVisible(files);
  UINT position = kRecentFilesPosition;
  if (recentSeparator_) InsertMenuA(file, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  for (int k = 1; k <= kRecentFileCount; ++k) {
    const std::string& path = files[static_cast<std::size_t>(k - 1)];
    if (path.empty()) continue;
    const std::string caption = RecentFileCaption(k, path);
    InsertMenuA(file, position++, MF_BYPOSITION | MF_STRING, MenuId(RecentFileCommand(k)), caption.c_str());
    ++recentShown_;
  }
}

void MainMenu::Enable(Command command, bool enabled) {
  EnableMenuItem(Bar(), MenuId(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MainMenu::Check(Command command, bool checked) {
  CheckMenuItem(Bar(), MenuId(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainMenu::SetCaption(Command command, const std::string& caption) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING;
  item.dwTypeData = const_cast<char*>(caption.c_str());
  SetMenuItemInfoA(Bar(), MenuId(command), FALSE, &item);
}

HMENU CreateTrayMenu() {
  std::array<HMENU, kMenuCount> menus{};
  menus[static_cast<std::size_t>(Menu::Tray)] = CreatePopupMenu();
  Fill(menus, Menu::Tray);
  // Every entry of the tray menu is always there.
  const HMENU tray = menus[static_cast<std::size_t>(Menu::Tray)];
  for (const MenuItem& item : MenuLayout())
    if (item.menu == Menu::Tray && item.kind == MenuItem::Kind::Entry)
      EnableMenuItem(tray, MenuId(item.command), MF_BYCOMMAND | MF_ENABLED);
  return tray;
}

}  // namespace tavrix
