// A profile file: the "[section] key=value" settings file that the program's
// configuration lives in. The two calls mirror GetPrivateProfileString and
// WritePrivateProfileString, so the configuration code reads and writes the
// same way whether the real Windows functions or the portable INI reader sit
// underneath.
#pragma once

#include <string>

namespace tavrix {

class ProfileFile {
 public:
  virtual ~ProfileFile() = default;

  // The value of `key` in `section` (both matched without regard to case),
  // trimmed of surrounding blanks and of one pair of enclosing quotes;
  // `defaultValue` when the file, the section or the key is missing.
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) = 0;

  // Sets `key` in `section`, adding the section or key when missing and
  // creating the file when needed. A failed write is silently ignored.
  virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;

  // Writes between HoldWrites and WriteHeld reach the file together: the
  // whole file is written beside it and then replaces it, so a failure
  // leaves every old setting as it was, never a mix of old and new. False
  // when they could not be saved.
  virtual void HoldWrites() {}
  virtual bool WriteHeld() { return true; }
};

}  // namespace tavrix
