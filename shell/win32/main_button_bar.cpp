#include "shell/win32/main_button_bar.h"

#include <commctrl.h>

#include "shell/main_buttons.h"

namespace tavrix {
namespace {

constexpr int kPanelButtonHeight = 25;
constexpr int kPanelGap = 2;

// The standard small images that picture each tool button.
struct ToolImage {
  Command command;
  int list;  // 0 the standard images, 1 the view images
  int image;
};
constexpr ToolImage kImages[] = {
    {Command::NewFile, 0, STD_FILENEW},       {Command::OpenFile, 0, STD_FILEOPEN},
    {Command::AddMacro, 0, STD_PASTE},        {Command::ScriptingEditor, 0, STD_PROPERTIES},
    {Command::ModifyDirectly, 0, STD_REPLACE}, {Command::RecaptureMacro, 0, STD_REDOW},
    {Command::RenameMacro, 0, STD_FIND},      {Command::CopyMacro, 0, STD_COPY},
    {Command::ActivateMacro, 0, STD_UNDO},    {Command::RemoveMacro, 0, STD_DELETE},
    {Command::ImportMacros, 1, VIEW_PARENTFOLDER}, {Command::ExportMacros, 0, STD_FILESAVE},
    {Command::PrintMacroList, 0, STD_PRINT},  {Command::Appearance, 1, VIEW_DETAILS},
    {Command::Sort, 1, VIEW_SORTNAME},        {Command::HelpContents, 0, STD_HELP},
};

int ImageOf(Command command, int viewOffset) {
  for (const ToolImage& image : kImages)
    if (image.command == command) return image.list == 0 ? image.image : viewOffset + image.image;
  return I_IMAGENONE;
}

}  // namespace

void MainButtonBar::Create(HWND parent, HINSTANCE instance) {
  toolbar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                             WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER, 0, 0, 0, 0,
                             parent, nullptr, instance, nullptr);
  if (toolbar_ != nullptr) {
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(toolbar_, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
    TBADDBITMAP view{HINST_COMMCTRL, IDB_VIEW_SMALL_COLOR};
    const int viewOffset = static_cast<int>(SendMessageA(toolbar_, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&view)));
    for (const ToolButton& tool : ToolButtons()) {
      TBBUTTON button{};
      button.iBitmap = ImageOf(tool.command, viewOffset);
      button.idCommand = static_cast<int>(tool.command);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
      SendMessageA(toolbar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
      hints_[tool.command] = tool.hint;
    }
  }
  for (const PanelButton& entry : LetterPanelButtons()) {
    HWND button = CreateWindowExA(0, "BUTTON", entry.caption, WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                                  parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(entry.command)), instance,
                                  nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    panel_[entry.command] = button;
  }
}

void MainButtonBar::Show(bool toolbar) {
  showToolbar_ = toolbar;
  if (toolbar_ != nullptr) ShowWindow(toolbar_, toolbar ? SW_SHOWNA : SW_HIDE);
  for (const auto& [command, button] : panel_) ShowWindow(button, toolbar ? SW_HIDE : SW_SHOWNA);
}

int MainButtonBar::LayOut(int width) {
  if (showToolbar_) {
    if (toolbar_ == nullptr) return 0;
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    const DWORD size = static_cast<DWORD>(SendMessageA(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    const int height = HIWORD(size) + 4;
    MoveWindow(toolbar_, 0, 0, width, height, TRUE);
    return height;
  }
  // Two rows of four when the window is too narrow for one row of eight.
  const int count = static_cast<int>(panel_.size());
  const int perRow = width >= 8 * 110 ? count : (count + 1) / 2;
  const int buttonWidth = perRow > 0 ? (width - (perRow + 1) * kPanelGap) / perRow : 0;
  int k = 0;
  for (const PanelButton& entry : LetterPanelButtons()) {
    const int row = k / perRow;
    const int column = k % perRow;
    MoveWindow(panel_[entry.command], kPanelGap + column * (buttonWidth + kPanelGap),
               kPanelGap + row * (kPanelButtonHeight + kPanelGap), buttonWidth, kPanelButtonHeight, TRUE);
    ++k;
  }
  const int rows = perRow > 0 ? (count + perRow - 1) / perRow : 0;
  return kPanelGap + rows * (kPanelButtonHeight + kPanelGap);
}

void MainButtonBar::SetEnabled(Command command, bool enabled) {
  if (toolbar_ != nullptr && hints_.count(command) != 0)
    SendMessageA(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(enabled ? TRUE : FALSE, 0));
  if (const auto button = panel_.find(command); button != panel_.end())
    EnableWindow(button->second, enabled ? TRUE : FALSE);
}

void MainButtonBar::SetCaption(Command command, const std::string& menuCaption) {
  if (const auto button = panel_.find(command); button != panel_.end())
    SetWindowTextA(button->second, PanelCaption(command, menuCaption).c_str());
  if (hints_.count(command) != 0) hints_[command] = ToolHint(command, menuCaption);
}

bool MainButtonBar::OnNotify(NMHDR& header) {
  if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) return false;
  const auto hint = hints_.find(static_cast<Command>(header.idFrom));
  if (hint == hints_.end()) return false;
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
    info.lpszText = const_cast<char*>(hint->second.c_str());
    info.hinst = nullptr;
    return true;
  }
  // The hints are plain ASCII.
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  wideHint_.assign(hint->second.begin(), hint->second.end());
  info.lpszText = wideHint_.data();
  info.hinst = nullptr;
  return true;
}

}  // namespace tavrix
