// A form with a menu bar as the one Windows binding builds it: the bar
// leaves the controls the client area the model asks for, a drop-down list
// opens with the rows the model asks for, and a menu item runs its handler.
// (The program's end-to-end case presses the menus' keys as a user would.)
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_ui.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

struct MenuBox : Form {
  MenuBox() : Form("TMenuBox", "Menu Box", 300, 200) {
    for (int i = 0; i < 38; ++i) combo.items.push_back("Row " + std::to_string(i));
    combo.dropDownCount = 19;
    menu.push_back({"&Edit", {{"&Paste", "Ctrl+V", {}, EditAction::Paste}}});
    menu.push_back({"&File", {TwinOf(cancel, "E&xit")}});
  }
  ComboBox combo{*this, "Combo", {8, 80, 150, 21}};
  Button cancel{*this, "Cancel", {200, 160, 75, 25}, "&Cancel", ButtonRole::Cancel};
};

TEST(UiMenu, TheMenuBarKeepsTheClientAreaAndTheListDropsItsRows) {
  wintest::TakeQuit();
  Win32Ui ui;
  MenuBox form;
  RECT client{};
  int menus = 0;
  int rowsShown = 0;
  wintest::TimerScript user([&] {
    HWND box = wintest::FindOwnWindow("Menu Box");
    if (box == nullptr) return false;
    GetClientRect(box, &client);
    menus = GetMenuItemCount(GetMenu(box));
    HWND combo = wintest::FindChild(box, "ComboBox");
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(combo, &info) && info.hwndList != nullptr) {
      RECT list{};
      GetClientRect(info.hwndList, &list);
      const auto row = static_cast<int>(SendMessageA(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
      rowsShown = row > 0 ? list.bottom / row : 0;
    }
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    // File, Exit.
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetMenuItemID(GetSubMenu(GetMenu(box), 1), 0), 0), 0);
    return true;
  });
  EXPECT_EQ(ui.RunForm(form), ModalResult::Cancel);
  EXPECT_TRUE(user.finished());
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(client.right, MulDiv(300, dpi, 96));
  EXPECT_EQ(client.bottom, MulDiv(200, dpi, 96));
  EXPECT_EQ(menus, 2);
  EXPECT_EQ(rowsShown, 19);
  EXPECT_EQ(wintest::TakeQuit(), -1);
}

}  // namespace
}  // namespace tavrix
