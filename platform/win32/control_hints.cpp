#include "platform/win32/control_hints.h"

#include <commctrl.h>

namespace tavrix {

HWND AddControlHints(HWND form, const std::vector<std::pair<HWND, std::string>>& hints) {
  if (hints.empty()) return nullptr;
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)initialised;
  HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  if (tooltip == nullptr) return nullptr;
  for (const auto& [control, hint] : hints) {
    if (control == nullptr || hint.empty()) continue;
    // The first version of the structure: every comctl32 takes it.
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(hint.c_str());
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return tooltip;
}

}  // namespace tavrix
