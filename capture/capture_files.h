// The files of a capture: the scratch file the recording streams into,
// written and flushed a character at a time so that a crash loses nothing
// received, and the overflow text files a long recording moves to.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tavrix {

class CaptureFileWriter {
 public:
  virtual ~CaptureFileWriter() = default;
  // Appends one byte and flushes it; false when the disk refused it.
  virtual bool Put(char byte) = 0;
};

class CaptureFiles {
 public:
  virtual ~CaptureFiles() = default;
  // `folder` and `name` joined as the system joins them.
  virtual std::string Join(const std::string& folder, const std::string& name) = 0;
  // Creates `path` empty (an existing file is truncated); nothing on failure.
  virtual std::unique_ptr<CaptureFileWriter> Create(const std::string& path) = 0;
  // The whole file, or nothing when it cannot be read.
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // Copies `from` over `to` (overwriting); false on failure.
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
};

// The real file system through the standard library.
CaptureFiles& SystemCaptureFiles();

}  // namespace tavrix
