#include "platform/win32/control_blocks.h"

#include "store/shared_macro_table.h"

namespace tavrix {
namespace {

// Creates and maps one block, telling the user which step failed.
bool CreateBlock(const char* name, std::size_t size, KernelHandle& mapping, MappedView& view) {
  NamedObjectFault fault = NamedObjectFault::None;
  mapping = CreateNamedMapping(name, size, fault);
  if (!mapping) {
    ShowNamedObjectFault(fault, name, kMappingNotCreatedText);
    return false;
  }
  view = MapWholeMapping(mapping);
  if (!view) {
    ShowSystemError(kMappingNotMappedText);
    return false;
  }
  return true;
}

}  // namespace

bool ControlBlocks::Create() {
  return CreateBlock(kKeySwapBlockName, KeySwapControlBlock::kSize, keySwapMapping_, keySwapView_) &&
         CreateBlock(kWindowBlockName, WindowControlBlock::kSize, windowMapping_, windowView_);
}

void ControlBlocks::Release() {
  windowView_ = MappedView();
  windowMapping_.Close();
  keySwapView_ = MappedView();
  keySwapMapping_.Close();
}

}  // namespace tavrix
