// Where every field of the shared macro table lies: the 19755-byte block the
// program and the hook library both read. The program's accessors
// (store/shared_macro_table.*) and the library's publishing ranges
// (hook/table_fields.*) both take their offsets from here, so the layout is
// written once.
#pragma once

#include <cstddef>

namespace tavrix::layout {

inline constexpr std::size_t kTableSize = 19755;
inline constexpr int kTableMacros = 500;
inline constexpr int kTablePrograms = 200;

// Fixed fields.
inline constexpr std::size_t kMainWindow = 0;
inline constexpr std::size_t kReserved4 = 4;
inline constexpr std::size_t kHotKeyUsed = 17;  // 720 bytes, one a hot key code
inline constexpr std::size_t kCaptureOn = 737;
inline constexpr std::size_t kCaptureMacro = 738;
inline constexpr std::size_t kCaptureState740 = 740;
inline constexpr std::size_t kCaptureDoubleAlt = 741;
inline constexpr std::size_t kMouseHook = 744;
inline constexpr std::size_t kKeyboardHook = 748;
inline constexpr std::size_t kEntryWindow = 752;
inline constexpr std::size_t kEntryActive = 756;
inline constexpr std::size_t kStopMouse = 757;
inline constexpr std::size_t kStopKey = 759;
inline constexpr std::size_t kStopCtrl = 761;
inline constexpr std::size_t kStopAlt = 762;
inline constexpr std::size_t kStopShift = 763;
inline constexpr std::size_t kStopWin = 764;
inline constexpr std::size_t kCaptureState765 = 765;
inline constexpr std::size_t kStop2On = 766;
inline constexpr std::size_t kStop2Mouse = 767;
inline constexpr std::size_t kStop2Key = 769;
inline constexpr std::size_t kStop2Ctrl = 771;
inline constexpr std::size_t kStop2Alt = 772;
inline constexpr std::size_t kStop2Shift = 773;
inline constexpr std::size_t kStop2Win = 774;
inline constexpr std::size_t kCaptureState775 = 775;
inline constexpr std::size_t kCaptureWindowPos = 776;
inline constexpr std::size_t kInUse = 777;
inline constexpr std::size_t kCaptureKeys = 778;
inline constexpr std::size_t kCaptureMouse = 779;
inline constexpr std::size_t kCaptureRelative = 780;
inline constexpr std::size_t kCaptureTime = 781;
// Byte 790 is both the last capture field and, as base + 2 * 0, where the
// scope array would start; macro numbers begin at 1, so they never meet.
inline constexpr std::size_t kCaptureState790 = 790;
inline constexpr std::size_t kCaptureWindowPosCopy = 791;
inline constexpr std::size_t kMacroCount = 14292;
inline constexpr std::size_t kReserved14296 = 14296;
inline constexpr std::size_t kIsNT = 14297;
inline constexpr std::size_t kHasWordlets = 14298;
inline constexpr std::size_t kFrontProgram = 14299;  // string[250]
inline constexpr std::size_t kProgramCount = 14550;
inline constexpr std::size_t kMouseSwapped = 14554;

// Arrays: element n (macros 1..500, programs 1..200) of an s-byte array
// starts at base + s * n.
inline constexpr std::size_t kScopeBase = 790;          // 2 bytes
inline constexpr std::size_t kScopeNameBase = 1771;     // string[20]
inline constexpr std::size_t kActiveBase = 12291;       // 1 byte
inline constexpr std::size_t kActivationBase = 12790;   // 2 bytes
inline constexpr std::size_t kTopMostOnlyBase = 13791;  // 1 byte
inline constexpr std::size_t kProgramsBase = 14529;     // string[25]

inline constexpr std::size_t kScopeSize = 2;
inline constexpr std::size_t kScopeNameSize = 21;
inline constexpr std::size_t kActiveSize = 1;
inline constexpr std::size_t kActivationSize = 2;
inline constexpr std::size_t kTopMostOnlySize = 1;
inline constexpr std::size_t kProgramSize = 26;

}  // namespace tavrix::layout
