// Where the fields of the shared macro table lie, as the library reads them,
// and which of them each publishing call takes over from the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/shared_table_layout.h"

namespace tavrix::hook {

inline constexpr std::size_t kTableSize = layout::kTableSize;
inline constexpr std::uint16_t kMaxMacros = layout::kTableMacros;
inline constexpr std::size_t kMaxPrograms = layout::kTablePrograms;

// Fixed fields: offset and size in bytes.
struct ByteRange {
  std::size_t offset;
  std::size_t size;
  bool operator==(const ByteRange&) const = default;
};

inline constexpr ByteRange kMainWindow{layout::kMainWindow, 4};
inline constexpr ByteRange kHotKeyUsed{layout::kHotKeyUsed, 720};
inline constexpr ByteRange kCaptureOn{layout::kCaptureOn, 1};
inline constexpr ByteRange kMouseHook{layout::kMouseHook, 4};
inline constexpr ByteRange kKeyboardHook{layout::kKeyboardHook, 4};
inline constexpr ByteRange kEntryWindow{layout::kEntryWindow, 4};
inline constexpr ByteRange kEntryActive{layout::kEntryActive, 1};
inline constexpr ByteRange kInUse{layout::kInUse, 1};
inline constexpr ByteRange kMacroCount{layout::kMacroCount, 4};
inline constexpr ByteRange kIsNT{layout::kIsNT, 1};
inline constexpr ByteRange kHasWordlets{layout::kHasWordlets, 1};
inline constexpr ByteRange kFrontProgram{layout::kFrontProgram, 251};
inline constexpr ByteRange kProgramCount{layout::kProgramCount, 4};
inline constexpr ByteRange kMouseSwapped{layout::kMouseSwapped, 1};

// Per-macro arrays: element n (1..500) starts at base + size * n.
inline constexpr ByteRange scopeOf(std::uint16_t n) { return {layout::kScopeBase + layout::kScopeSize * n, layout::kScopeSize}; }
inline constexpr ByteRange scopeNameOf(std::uint16_t n) { return {layout::kScopeNameBase + layout::kScopeNameSize * n, layout::kScopeNameSize}; }
inline constexpr ByteRange activeOf(std::uint16_t n) { return {layout::kActiveBase + layout::kActiveSize * n, layout::kActiveSize}; }
inline constexpr ByteRange activationOf(std::uint16_t n) { return {layout::kActivationBase + layout::kActivationSize * n, layout::kActivationSize}; }
inline constexpr ByteRange topMostOnlyOf(std::uint16_t n) { return {layout::kTopMostOnlyBase + layout::kTopMostOnlySize * n, layout::kTopMostOnlySize}; }
// Running programs: element k (1..200) of string[25].
inline constexpr ByteRange programOf(std::size_t k) { return {layout::kProgramsBase + layout::kProgramSize * k, layout::kProgramSize}; }

// The library's publishing calls, one per export that takes the table.
enum class PublishCall {
  Init,
  Item,
  NumKeys,
  Keys,
  Capture,
  CaptureOn,
  InUse,
  Window,
  Window2,
  Prog,
  Progs,
  KeyHook,
  MouseHook,
};

// The byte ranges a publishing call copies from the program's table into the
// library's copy. `macro` matters only for Item; an Item call with a macro
// number outside 1..500 takes nothing.
std::vector<ByteRange> fieldsTakenBy(PublishCall call, std::uint16_t macro = 0);

}  // namespace tavrix::hook
