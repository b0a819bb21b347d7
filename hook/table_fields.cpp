#include "hook/table_fields.h"

namespace tavrix::hook {

namespace {

// The capture fields between 738 and 791, leaving out the fields inside that
// span that have their own publishing calls (hook handles, entry window,
// InUse): the program clears InUse in its own copy without publishing it, so
// a capture start must not carry that 0 over to the library.
std::vector<ByteRange> captureFields() {
  namespace at = layout;
  return {{at::kCaptureMacro, at::kMouseHook - at::kCaptureMacro},
          {at::kStopMouse, at::kInUse - at::kStopMouse},
          {at::kCaptureKeys, at::kCaptureWindowPosCopy + 1 - at::kCaptureKeys}};
}

std::vector<ByteRange> itemFields(std::uint16_t macro) {
  if (macro < 1 || macro > kMaxMacros) return {};
  return {scopeOf(macro), scopeNameOf(macro), activeOf(macro), activationOf(macro),
          topMostOnlyOf(macro)};
}

std::vector<ByteRange> runningProgramFields() {
  const ByteRange first = programOf(1);
  return {kProgramCount, {first.offset, first.size * kMaxPrograms}};
}

}  // namespace

std::vector<ByteRange> fieldsTakenBy(PublishCall call, std::uint16_t macro) {
  switch (call) {
    case PublishCall::Init: return {{0, kTableSize}};
    case PublishCall::Item: return itemFields(macro);
    case PublishCall::NumKeys: return {kMacroCount};
    case PublishCall::Keys: return {kHotKeyUsed, kHasWordlets};
    case PublishCall::Capture: return captureFields();
    case PublishCall::CaptureOn: return {kCaptureOn};
    case PublishCall::InUse: return {kInUse};
    case PublishCall::Window: return {kMainWindow};
    case PublishCall::Window2: return {kEntryWindow, kEntryActive};
    case PublishCall::Prog: return {kFrontProgram};
    case PublishCall::Progs: return runningProgramFields();
    case PublishCall::KeyHook: return {kKeyboardHook};
    case PublishCall::MouseHook: return {kMouseHook};
  }
  return {};
}

}  // namespace tavrix::hook
