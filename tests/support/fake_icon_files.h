// The program's Icons folder as a set of file names; copies are recorded.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "activation/popup_menu.h"

namespace tavrix::test_support {

class FakeIconFiles : public IconFiles {
 public:
  std::string Folder() const override { return "C:\\TAVRIX\\Icons"; }
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
  bool CopyNew(const std::string& from, const std::string& to) override {
    if (files.count(to) != 0 || files.count(from) == 0) return false;
    copies.push_back(from + " -> " + to);
    files.insert(to);
    return true;
  }
  std::optional<std::string> ShortPath(const std::string& path) override {
    if (!Exists(path)) return std::nullopt;
    const auto found = shortNames.find(path);
    return found != shortNames.end() ? found->second : path;
  }
  std::set<std::string> files;
  std::map<std::string, std::string> shortNames;
  std::vector<std::string> copies;
};

}  // namespace tavrix::test_support
