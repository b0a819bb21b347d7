// `CheckTimeItem`: the commands on the selected macro that are offered, and
// the captions that follow the selected macro's kind and state.
#pragma once

#include <string>

#include "store/macro_index.h"

namespace tavrix {

struct SelectedMacroCommands {
  bool recapture = false;
  bool scriptingEditor = false;
  bool copy = false;
  bool modifyDirectly = false;
  bool remove = false;
  bool activate = false;
  std::string modifyCaption;    // empty: stays as it is
  std::string activateCaption;  // empty: stays as it is
};

// `selected` is the selected macro's number, 0 when no row is selected; then
// every command is offered while any macro exists (the command itself asks
// for a selection). Browse mode offers none of them.
SelectedMacroCommands CheckTimeItem(const MacroIndex& index, int selected, bool browse);

}  // namespace tavrix
