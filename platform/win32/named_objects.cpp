#include "platform/win32/named_objects.h"

namespace tavrix {

KernelHandle& KernelHandle::operator=(KernelHandle&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = nullptr;
  }
  return *this;
}

void KernelHandle::Close() {
  if (handle_ != nullptr) CloseHandle(handle_);
  handle_ = nullptr;
}

KernelHandle CreateNamedMapping(const char* name, std::size_t size, bool* existed) {
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(size), name);
  if (existed != nullptr) *existed = mapping != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
  return KernelHandle(mapping);
}

KernelHandle CreateNamedMutex(const char* name) { return KernelHandle(CreateMutexA(nullptr, FALSE, name)); }

bool NamedMappingExists(const char* name) {
  KernelHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, name));
  return static_cast<bool>(mapping);
}

MappedView::~MappedView() {
  if (address_ != nullptr) UnmapViewOfFile(address_);
}

MappedView& MappedView::operator=(MappedView&& other) noexcept {
  if (this != &other) {
    if (address_ != nullptr) UnmapViewOfFile(address_);
    address_ = other.address_;
    other.address_ = nullptr;
  }
  return *this;
}

MappedView MapWholeMapping(const KernelHandle& mapping) {
  if (!mapping) return MappedView();
  return MappedView(MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
}

void ShowSystemError(const char* text) {
  MessageBoxA(nullptr, text, kSystemErrorTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace tavrix
