#include "platform/win32/named_objects.h"

#include "platform/win32/user_only_security.h"

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

namespace {

// Judges a create call right after it returned.
KernelHandle Judged(HANDLE handle, NamedObjectFault& fault) {
  const DWORD error = GetLastError();
  KernelHandle object(handle);
  fault = NamedObjectFault::None;
  if (object && error == ERROR_ALREADY_EXISTS) fault = NamedObjectFault::HeldByAnother;
  // Another kind of object under the name, or one the user may not open.
  if (!object) {
    fault = error == ERROR_INVALID_HANDLE || error == ERROR_ACCESS_DENIED ? NamedObjectFault::HeldByAnother
                                                                          : NamedObjectFault::NotCreated;
  }
  if (fault != NamedObjectFault::None) object.Close();
  return object;
}

}  // namespace

std::string HeldByAnotherText(const char* name) {
  return std::string("Another program holds the name \"") + name + "\" that Tavrix needs.  Tavrix will terminate.";
}

KernelHandle CreateNamedMapping(const char* name, std::size_t size, NamedObjectFault& fault) {
  return Judged(CreateFileMappingA(INVALID_HANDLE_VALUE, UserOnlyAttributes(), PAGE_READWRITE, 0,
                                   static_cast<DWORD>(size), name),
                fault);
}

KernelHandle CreateNamedMutex(const char* name, NamedObjectFault& fault) {
  return Judged(CreateMutexA(UserOnlyAttributes(), FALSE, name), fault);
}

void ShowNamedObjectFault(NamedObjectFault fault, const char* name, const char* notCreatedText) {
  if (fault == NamedObjectFault::HeldByAnother) {
    ShowSystemError(HeldByAnotherText(name).c_str());
  } else if (fault == NamedObjectFault::NotCreated) {
    ShowSystemError(notCreatedText);
  }
}

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
