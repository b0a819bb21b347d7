#include "shell/config/ini_profile_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "store/file_access.h"

namespace tavrix {
namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

IniProfileFile::IniProfileFile(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<IniProfileFile::Stamp> IniProfileFile::CurrentStamp() const {
  std::error_code error;
  Stamp stamp;
  stamp.size = std::filesystem::file_size(path_, error);
  if (error) return std::nullopt;
  stamp.written = std::filesystem::last_write_time(path_, error);
  if (error) return std::nullopt;
  return stamp;
}

// Another program (or the user with an editor) may change the file while we
// run; like the Windows functions, notice that and read it again.
const IniDocument& IniProfileFile::Document() {
  const auto stamp = CurrentStamp();
  if (!loaded_ || stamp != loadedStamp_) {
    document_ = stamp ? IniDocument::Parse(ReadWholeFile(path_)) : IniDocument();
    loadedStamp_ = stamp;
    loaded_ = true;
  }
  return document_;
}

std::string IniProfileFile::GetString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) {
  if (const auto value = Document().Get(section, key)) return *value;
  // The Windows functions drop trailing blanks of the default too.
  const std::string_view trimmed = defaultValue;
  return std::string(trimmed.substr(0, trimmed.find_last_not_of(' ') + 1));
}

void IniProfileFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Document();
  document_.Set(section, key, value);
  if (!held_) Store();
}

void IniProfileFile::HoldWrites() {
  Document();
  held_ = true;
}

bool IniProfileFile::WriteHeld() {
  held_ = false;
  return Store();
}

bool IniProfileFile::Store() {
  const bool written = ReplaceWholeFile(SystemFileAccess(), path_.string(), document_.Text());
  loadedStamp_ = CurrentStamp();
  return written;
}

}  // namespace tavrix
