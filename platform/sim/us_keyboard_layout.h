// The US English keyboard layout as VkKeyScan answers for it on Windows.
#pragma once

#include <cstdint>

namespace tavrix {

// Low byte the virtual key, high byte the shift state (1 Shift, 2 Ctrl,
// 4 Alt); -1 when no key of the layout produces the character.
std::int16_t UsKeyScan(unsigned char character);

}  // namespace tavrix
