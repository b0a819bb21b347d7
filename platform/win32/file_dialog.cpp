#include "platform/win32/file_dialog.h"

#include "platform/win32/windows_api.h"

#include <commdlg.h>

namespace tavrix {

std::string FileDialogFilter(const std::string& filter) {
  std::string parts = filter;
  for (char& c : parts) {
    if (c == '|') c = '\0';
  }
  parts.push_back('\0');
  parts.push_back('\0');
  return parts;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, WindowId owner) {
  const std::string filter = FileDialogFilter(request.filter);
  char path[MAX_PATH + 1] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = HwndOf(owner);
  dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
  dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (request.save) {
    dialog.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  }
  return std::string(path);
}

}  // namespace tavrix
