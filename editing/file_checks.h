// What the command dialogs ask of the file system: whether a file or folder
// exists and its short (8.3) path. On Windows the real file system answers
// (editing/win32); tests give their own.
#pragma once

#include <optional>
#include <string>

namespace tavrix {

class FileChecks {
 public:
  virtual ~FileChecks() = default;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // The short form of an existing file's or folder's path; nothing when it
  // does not exist.
  virtual std::optional<std::string> ShortPath(const std::string& path) = 0;
};

}  // namespace tavrix
