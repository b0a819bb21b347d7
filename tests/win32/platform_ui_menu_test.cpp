// A form with a menu bar as the one Windows binding builds it: the bar
// leaves the controls the client area the model asks for, an item runs its
// handler, the paste shortcut pastes once into the focused edit, and a
// drop-down list opens with the rows the model asks for.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_ui.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

using wintest::FindChild;
using wintest::FindOwnWindow;
using wintest::TextOf;
using wintest::TimerScript;

struct MenuBox : Form {
  MenuBox() : Form("TMenuBox", "Menu Box", 300, 200) {
    edit.multiLine = true;
    for (int i = 0; i < 38; ++i) combo.items.push_back("Row " + std::to_string(i));
    combo.dropDownCount = 19;
    menu.push_back({"&Edit", {{"&Paste", "Ctrl+V", {}, EditAction::Paste}}});
    menu.push_back({"&Keys", {{"&Mark", "", [this] {
                                 edit.text += "<M>";
                                 return FormReply::Stay();
                               }}}});
    menu.push_back({"&File", {TwinOf(cancel, "E&xit")}});
    activeControl = &edit;
  }
  Edit edit{*this, "Edit", {8, 8, 200, 60}};
  ComboBox combo{*this, "Combo", {8, 80, 150, 21}};
  Button cancel{*this, "Cancel", {200, 160, 75, 25}, "&Cancel", ButtonRole::Cancel};
};

void PutOnClipboard(const char* text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
  std::memcpy(GlobalLock(memory), text, std::strlen(text) + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

void ChooseItem(HWND box, int menu, int item) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetMenuItemID(GetSubMenu(GetMenu(box), menu), item), 0), 0);
}

TEST(UiMenu, TheMenuBarKeepsTheClientAreaAndItsItemsAndShortcutsWork) {
  wintest::TakeQuit();
  Win32Desktop desktop;
  Win32Ui ui;
  MenuBox form;
  int step = 0;
  SIZE client{};
  int menus = 0;
  int rowsShown = 0;
  std::string pasted;
  std::string marked;
  HWND box = nullptr;
  HWND edit = nullptr;
  TimerScript user([&] {
    if (step == 0) {
      box = FindOwnWindow("Menu Box");
      if (box == nullptr || GetForegroundWindow() != box) return false;
      edit = FindChild(box, "Edit");
      if (edit == nullptr || GetFocus() != edit) return false;
      RECT r{};
      GetClientRect(box, &r);
      client = SIZE{r.right, r.bottom};
      menus = GetMenuItemCount(GetMenu(box));
      PutOnClipboard("ab");
      // Ctrl+V, then a w: a second paste would come before the w.
      for (std::uint8_t key : {std::uint8_t{VK_CONTROL}, std::uint8_t{'V'}}) desktop.SendKey(key, false);
      for (std::uint8_t key : {std::uint8_t{'V'}, std::uint8_t{VK_CONTROL}}) desktop.SendKey(key, true);
      desktop.SendKey('W', false);
      desktop.SendKey('W', true);
      step = 1;
      return false;
    }
    if (step == 1) {
      pasted = TextOf(edit);
      if (pasted.find('w') == std::string::npos) return false;
      ChooseItem(box, 1, 0);
      step = 2;
      return false;
    }
    if (step == 2) {
      marked = TextOf(edit);
      if (marked.find("<M>") == std::string::npos) return false;
      HWND combo = FindChild(box, "ComboBox");
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
      ChooseItem(box, 2, 0);
      return true;
    }
    return false;
  });
  EXPECT_EQ(ui.RunForm(form), ModalResult::Cancel);
  EXPECT_TRUE(user.finished());
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(client.cx, MulDiv(300, dpi, 96));
  EXPECT_EQ(client.cy, MulDiv(200, dpi, 96));
  EXPECT_EQ(menus, 3);
  EXPECT_EQ(pasted, "abw");
  EXPECT_EQ(marked, "abw<M>");
  EXPECT_EQ(rowsShown, 19);
  EXPECT_EQ(wintest::TakeQuit(), -1);
}

}  // namespace
}  // namespace tavrix
