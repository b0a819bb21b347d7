// The profile file as a plain INI file on disk, for the native build: the
// tavrix tool and the tests read and write exactly the format the Windows
// profile functions use, so a TAVRX.INI can move between the two.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "shell/config/ini_document.h"
#include "shell/config/profile_file.h"

namespace tavrix {

class IniProfileFile : public ProfileFile {
 public:
  explicit IniProfileFile(std::filesystem::path path);

  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) override;
  // Writes through at once, as the Windows functions do; the file is
  // replaced as a whole so that a failed write leaves the old one intact.
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
  void HoldWrites() override;
  bool WriteHeld() override;

  const std::filesystem::path& path() const { return path_; }

 private:
  struct Stamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written{};
    bool operator==(const Stamp&) const = default;
  };
  std::optional<Stamp> CurrentStamp() const;
  const IniDocument& Document();
  bool Store();

  std::filesystem::path path_;
  IniDocument document_;
  std::optional<Stamp> loadedStamp_;  // the file as last read or written; re-read when it changes
  bool loaded_ = false;
  bool held_ = false;
};

}  // namespace tavrix
