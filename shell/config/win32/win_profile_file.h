// The profile file over the Windows profile functions.
#pragma once

#include <string>
#include <vector>

#include "shell/config/profile_file.h"

namespace tavrix {

class WinProfileFile : public ProfileFile {
 public:
  // `path` is a full path, or a bare file name for a file in the Windows folder.
  explicit WinProfileFile(std::string path);

  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
  void HoldWrites() override { held_ = true; }
  bool WriteHeld() override;

  const std::string& path() const { return path_; }

 private:
  std::string FullPath() const;

  std::string path_;
  bool held_ = false;
  struct Write {
    std::string section, key, value;
  };
  std::vector<Write> writes_;
};

}  // namespace tavrix
