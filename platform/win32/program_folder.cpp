#include "platform/win32/program_folder.h"

#include <algorithm>
#include <cctype>

#include "platform/win32/windows_api.h"

namespace tavrix {
namespace {

std::string ModulePath() {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, length < MAX_PATH ? length : 0);
}

}  // namespace

std::string ProgramFolder() {
  const std::string path = ModulePath();
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ProgramFileName() {
  const std::string path = ModulePath();
  const std::size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name.empty() ? "TAVRXP.EXE" : name;
}

std::wstring ProgramFolderFileW(const wchar_t* name) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring path(buffer, length < MAX_PATH ? length : 0);
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(name) : path.substr(0, slash + 1) + name;
}

}  // namespace tavrix
