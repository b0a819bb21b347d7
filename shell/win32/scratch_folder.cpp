#include "shell/win32/scratch_folder.h"

#include <shlobj.h>

#include "capture/capture_session.h"
#include "platform/win32/user_only_security.h"
#include "platform/win32/windows_api.h"

namespace tavrix {

std::string UserScratchFolder() {
  char base[MAX_PATH] = {};
  if (SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, base) != S_OK)
    return {};
  const std::string folder = std::string(base) + "\\Tavrix";
  if (!CreateDirectoryA(folder.c_str(), UserOnlyAttributes(true)) && GetLastError() != ERROR_ALREADY_EXISTS)
    return {};
  return folder;
}

void RemoveLeftoverCaptureFile(const std::string& folder) {
  if (!folder.empty()) DeleteFileA((folder + "\\" + kCaptureFileName).c_str());
}

}  // namespace tavrix
