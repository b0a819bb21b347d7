// Where the fields of the shared macro table lie, as the library reads them,
// and which of them each publishing call takes over from the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavrix::hook {

inline constexpr std::size_t kTableSize = 19755;
inline constexpr std::uint16_t kMaxMacros = 500;
inline constexpr std::size_t kMaxPrograms = 200;

// Fixed fields: offset and size in bytes.
struct ByteRange {
  std::size_t offset;
  std::size_t size;
  bool operator==(const ByteRange&) const = default;
};

inline constexpr ByteRange kMainWindow{0, 4};
inline constexpr ByteRange kHotKeyUsed{17, 720};
inline constexpr ByteRange kCaptureOn{737, 1};
inline constexpr ByteRange kMouseHook{744, 4};
inline constexpr ByteRange kKeyboardHook{748, 4};
inline constexpr ByteRange kEntryWindow{752, 4};
inline constexpr ByteRange kEntryActive{756, 1};
inline constexpr ByteRange kInUse{777, 1};
inline constexpr ByteRange kMacroCount{14292, 4};
inline constexpr ByteRange kIsNT{14297, 1};
inline constexpr ByteRange kHasWordlets{14298, 1};
inline constexpr ByteRange kFrontProgram{14299, 251};
inline constexpr ByteRange kProgramCount{14550, 4};
inline constexpr ByteRange kMouseSwapped{14554, 1};

// Per-macro arrays: element n (1..500) starts at base + size * n.
inline constexpr ByteRange scopeOf(std::uint16_t n) { return {790 + 2u * n, 2}; }
inline constexpr ByteRange scopeNameOf(std::uint16_t n) { return {1771 + 21u * n, 21}; }
inline constexpr ByteRange activeOf(std::uint16_t n) { return {12291u + n, 1}; }
inline constexpr ByteRange activationOf(std::uint16_t n) { return {12790 + 2u * n, 2}; }
inline constexpr ByteRange topMostOnlyOf(std::uint16_t n) { return {13791u + n, 1}; }
// Running programs: element k (1..200) of string[25].
inline constexpr ByteRange programOf(std::size_t k) { return {14529 + 26 * k, 26}; }

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
