// Shared fixtures of the editing tests: a file system the dialogs check
// paths against, and filling a form's controls as a user would.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editing/file_checks.h"
#include "platform/form.h"

namespace tavrix::testing_support {

class FakeFiles : public FileChecks {
 public:
  // A file and its short path.
  void AddFile(const std::string& path, const std::string& shortPath) { files_[path] = shortPath; }
  void AddFolder(const std::string& path, const std::string& shortPath) { folders_[path] = shortPath; }

  bool FileExists(const std::string& path) override { return files_.count(path) != 0; }
  bool FolderExists(const std::string& path) override { return folders_.count(path) != 0; }
  std::optional<std::string> ShortPath(const std::string& path) override {
    if (auto found = files_.find(path); found != files_.end()) return found->second;
    if (auto found = folders_.find(path); found != folders_.end()) return found->second;
    return std::nullopt;
  }

 private:
  std::map<std::string, std::string> files_;
  std::map<std::string, std::string> folders_;
};

// One user action: type `value` into the named control, or click it when the
// value is "click".
using FormInput = std::pair<std::string, std::string>;

inline void Fill(Form& form, const std::vector<FormInput>& inputs) {
  for (const auto& [name, value] : inputs) {
    Control* control = form.Find(name);
    if (control == nullptr) throw std::runtime_error("no control " + name + " in " + form.Name());
    if (value == "click") {
      form.Click(*control);
    } else {
      control->text = value;
    }
  }
}

}  // namespace tavrix::testing_support
