// Hints of a form's controls: a tooltip shows a control's hint while the
// mouse rests on it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/windows_api.h"

namespace tavrix {

// One tooltip window owned by `form` (it goes with the form) showing each
// control's hint; null when there is no hint or no tooltip can be made.
HWND AddControlHints(HWND form, const std::vector<std::pair<HWND, std::string>>& hints);

}  // namespace tavrix
