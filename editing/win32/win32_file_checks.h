// The command dialogs' file checks on the real file system.
#pragma once

#include "editing/file_checks.h"

namespace tavrix {

class Win32FileChecks : public FileChecks {
 public:
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::optional<std::string> ShortPath(const std::string& path) override;
};

}  // namespace tavrix
