// A profile file held in memory only: for tests and for code that needs a
// configuration without touching the disk.
#pragma once

#include <string>

#include "shell/config/ini_document.h"
#include "shell/config/profile_file.h"

namespace tavrix {

class MemoryProfileFile : public ProfileFile {
 public:
  MemoryProfileFile() = default;
  explicit MemoryProfileFile(std::string_view text) : document_(IniDocument::Parse(text)) {}

  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) override {
    return document_.Get(section, key).value_or(defaultValue);
  }
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    document_.Set(section, key, value);
  }

  std::string Text() const { return document_.Text(); }

 private:
  IniDocument document_;
};

}  // namespace tavrix
