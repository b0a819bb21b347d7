// The named kernel objects the program creates for the hook library and for
// the single-instance test, each held open for as long as its owner lives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace tavrix {

inline constexpr const char* kSystemErrorTitle = "System Error";
inline constexpr const char* kMappingNotCreatedText = "Memory Mapped File could not be created.  Tavrix will terminate.";
inline constexpr const char* kMappingNotMappedText = "Memory Mapped File could not be mapped.  Tavrix will terminate.";
inline constexpr const char* kMutexNotCreatedText = "Mutex could not be created.  Tavrix will terminate.";
// An object of the name existed before this copy made it (or is of another
// kind): some other program holds it, and could read or change what the
// program and its hook library share through it.
std::string HeldByAnotherText(const char* name);

inline constexpr const char* kTableMappingName = "TVBA1KGR";
inline constexpr std::size_t kTableMappingSize = 19755;
inline constexpr const char* kMutexNames[] = {"TV88aveR", "TVKZaveR", "TVQJaveR"};
inline constexpr const char* kInstanceMarkerName = "TVXEX321Z";
inline constexpr std::size_t kInstanceMarkerSize = 10;
inline constexpr const char* kKeySwapBlockName = "TVTT1KGR";
inline constexpr const char* kWindowBlockName = "TVKR1KGR";

// A kernel handle closed when its owner goes.
class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  ~KernelHandle() { Close(); }
  KernelHandle(KernelHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  KernelHandle& operator=(KernelHandle&& other) noexcept;
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Close();

 private:
  HANDLE handle_ = nullptr;
};

// Whether a named object is this copy's own.
enum class NamedObjectFault {
  None,           // made just now by this copy
  NotCreated,     // the system could not make it
  HeldByAnother,  // it existed already, or an object of another kind has the name
};

// A mapping backed by the paging file, or a mutex nobody owns, made for the
// current user only; empty unless `fault` is None (an object that existed
// already is not kept).
KernelHandle CreateNamedMapping(const char* name, std::size_t size, NamedObjectFault& fault);
KernelHandle CreateNamedMutex(const char* name, NamedObjectFault& fault);
// The failure box for a fault: `notCreatedText` or the held-by-another text.
void ShowNamedObjectFault(NamedObjectFault fault, const char* name, const char* notCreatedText);
// Whether a mapping of that name exists (another instance made it).
bool NamedMappingExists(const char* name);

// A writable view of a whole mapping, unmapped when its owner goes.
class MappedView {
 public:
  MappedView() = default;
  explicit MappedView(void* address) : address_(static_cast<std::uint8_t*>(address)) {}
  ~MappedView();
  MappedView(MappedView&& other) noexcept : address_(other.address_) { other.address_ = nullptr; }
  MappedView& operator=(MappedView&& other) noexcept;
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;

  std::uint8_t* data() const { return address_; }
  explicit operator bool() const { return address_ != nullptr; }

 private:
  std::uint8_t* address_ = nullptr;
};

MappedView MapWholeMapping(const KernelHandle& mapping);

// The kernel objects' failure box; the program ends after it.
void ShowSystemError(const char* text);

}  // namespace tavrix
