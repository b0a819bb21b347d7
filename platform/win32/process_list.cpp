#include "platform/win32/process_list.h"

#include <string>

#include "platform/win32/windows_api.h"

#include <tlhelp32.h>

namespace tavrix {
namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleBaseNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
using QueryFullProcessImageNameFn = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, DWORD*);
using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

template <typename Fn>
Fn Load(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct ProcessStatus {
  EnumProcessesFn enumProcesses = nullptr;
  EnumProcessModulesFn enumProcessModules = nullptr;
  GetModuleBaseNameFn getModuleBaseName = nullptr;
  // A 32-bit program cannot read the modules of 64-bit processes; their
  // image name is still available this way (Vista and later).
  QueryFullProcessImageNameFn queryImageName = nullptr;

  bool Complete() const { return enumProcesses && enumProcessModules && getModuleBaseName; }
};

const ProcessStatus& ProcessStatusFunctions() {
  static const ProcessStatus functions = [] {
    ProcessStatus f;
    HMODULE psapi = LoadLibraryA("PSAPI.DLL");
    f.enumProcesses = Load<EnumProcessesFn>(psapi, "EnumProcesses");
    f.enumProcessModules = Load<EnumProcessModulesFn>(psapi, "EnumProcessModules");
    f.getModuleBaseName = Load<GetModuleBaseNameFn>(psapi, "GetModuleBaseNameA");
    f.queryImageName = Load<QueryFullProcessImageNameFn>(GetModuleHandleA("KERNEL32.DLL"), "QueryFullProcessImageNameA");
    return f;
  }();
  return functions;
}

std::string FileNamePart(const char* path) {
  std::string text(path);
  const auto slash = text.find_last_of("\\/");
  return slash == std::string::npos ? text : text.substr(slash + 1);
}

std::vector<DWORD> ProcessIds(const ProcessStatus& f) {
  std::vector<DWORD> ids(512);
  for (;;) {
    DWORD bytes = 0;
    if (!f.enumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes)) return {};
    if (bytes < ids.size() * sizeof(DWORD)) {
      ids.resize(bytes / sizeof(DWORD));
      return ids;
    }
    ids.resize(ids.size() * 2);  // the buffer was full: there may be more
  }
}

std::string ModuleNameOf(const ProcessStatus& f, DWORD id) {
  std::string name;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (process != nullptr) {
    HMODULE first = nullptr;
    DWORD needed = 0;
    char base[257] = {};
    if (f.enumProcessModules(process, &first, sizeof first, &needed) &&
        f.getModuleBaseName(process, first, base, 256) > 0) {
      name = base;
    }
    CloseHandle(process);
  }
  if (name.empty() && f.queryImageName != nullptr) {
    constexpr DWORD kQueryLimitedInformation = 0x1000;
    process = OpenProcess(kQueryLimitedInformation, FALSE, id);
    if (process != nullptr) {
      char path[MAX_PATH + 1] = {};
      DWORD size = MAX_PATH;
      if (f.queryImageName(process, 0, path, &size)) name = FileNamePart(path);
      CloseHandle(process);
    }
  }
  return name;
}

}  // namespace

std::optional<std::vector<ProcessEntry>> ProcessesFromProcessStatus() {
  const ProcessStatus& f = ProcessStatusFunctions();
  if (!f.Complete()) return std::nullopt;
  std::vector<ProcessEntry> processes;
  for (DWORD id : ProcessIds(f)) {
    if (id == 0) continue;
    std::string name = ModuleNameOf(f, id);
    if (!name.empty()) processes.push_back({id, std::move(name)});
  }
  return processes;
}

std::optional<std::vector<ProcessEntry>> ProcessesFromSnapshot() {
  HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
  auto createSnapshot = Load<CreateSnapshotFn>(kernel, "CreateToolhelp32Snapshot");
  auto first = Load<ProcessWalkFn>(kernel, "Process32First");
  auto next = Load<ProcessWalkFn>(kernel, "Process32Next");
  if (!createSnapshot || !first || !next) return std::nullopt;
  HANDLE snapshot = createSnapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<ProcessEntry> processes;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = first(snapshot, &entry); more; more = next(snapshot, &entry)) {
    if (entry.th32ProcessID != 0 && entry.szExeFile[0] != '\0') {
      processes.push_back({entry.th32ProcessID, FileNamePart(entry.szExeFile)});
    }
    entry.dwSize = sizeof entry;
  }
  CloseHandle(snapshot);
  return processes;
}

std::vector<ProcessEntry> ListRunningProcesses() {
  if (auto processes = ProcessesFromProcessStatus()) return *processes;
  if (auto processes = ProcessesFromSnapshot()) return *processes;
  return {};
}

}  // namespace tavrix
