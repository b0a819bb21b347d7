#include "platform/win32/win32_ui.h"

#include "platform/win32/file_dialog.h"
#include "platform/win32/form_window.h"
#include "platform/win32/windows_api.h"

namespace tavrix {
namespace {

UINT IconFor(const std::string& caption) {
  if (caption.find("Error") != std::string::npos) return MB_ICONERROR;
  if (caption == "Warning") return MB_ICONWARNING;
  if (caption == "Delete") return MB_ICONQUESTION;
  return MB_ICONINFORMATION;
}

}  // namespace

WindowId Win32Ui::MessageOwner() const {
  HWND active = GetActiveWindow();
  if (active != nullptr && IsWindowVisible(active)) return WindowIdOf(active);
  HWND main = HwndOf(mainWindow_);
  return main != nullptr && IsWindowVisible(main) ? mainWindow_ : 0;
}

void Win32Ui::ShowMessage(const std::string& caption, const std::string& text) {
  const WindowId owner = MessageOwner();
  MessageBoxA(HwndOf(owner), text.c_str(), caption.c_str(), MB_OK | IconFor(caption) | (owner == 0 ? MB_TASKMODAL : 0));
}

bool Win32Ui::AskYesNo(const std::string& caption, const std::string& text) {
  const WindowId owner = MessageOwner();
  return MessageBoxA(HwndOf(owner), text.c_str(), caption.c_str(),
                     MB_YESNO | MB_ICONQUESTION | (owner == 0 ? MB_TASKMODAL : 0)) == IDYES;
}

ModalResult Win32Ui::RunForm(Form& form) {
  FormWindow window(form, helpFile_);
  openForms_.push_back(&window);
  const ModalResult result = window.ShowModal(HwndOf(mainWindow_));
  openForms_.pop_back();
  return result;
}

Bounds Win32Ui::FormWindowSize(const Form& form) const { return FormWindowBounds(form); }

void Win32Ui::EndForm(Form& form, ModalResult result) {
  for (FormWindow* window : openForms_) {
    if (&window->form() == &form) window->End(result);
  }
}

void Win32Ui::EndAllForms() {
  for (auto open = openForms_.rbegin(); open != openForms_.rend(); ++open) (*open)->End(ModalResult::Cancel);
}

std::optional<std::string> Win32Ui::AskFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, MessageOwner());
}

}  // namespace tavrix
