// The simulated desktop's US layout against the real VkKeyScan: native tests
// and the tavrix tool type through the simulated one, so every character it
// answers for must be typed with the keys Windows itself would use.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "platform/sim/us_keyboard_layout.h"
#include "platform/win32/windows_api.h"

namespace tavrix {
namespace {

// Control characters for which Wine's VkKeyScan answers otherwise than
// Windows does (NUL as Ctrl+@ on the 2 key, line feed and Ctrl+S..U as the
// keys of those names, no key for Ctrl+\ .. Ctrl+_ and DEL): for these the
// simulated layout follows Windows, and its native test is the reference.
constexpr std::array<int, 11> kWineDiffers{0, 3, 10, 19, 20, 21, 28, 29, 30, 31, 127};

TEST(KeyboardLayout, SimulatedUsLayoutAnswersAsVkKeyScan) {
  const HKL us = LoadKeyboardLayoutA("00000409", 0);
  ASSERT_NE(us, nullptr);
  for (int ch = 0; ch < 256; ++ch) {
    if (std::find(kWineDiffers.begin(), kWineDiffers.end(), ch) != kWineDiffers.end()) continue;
    const SHORT real = VkKeyScanExA(static_cast<CHAR>(ch), us);
    EXPECT_EQ(UsKeyScan(static_cast<unsigned char>(ch)), real) << "character " << ch;
  }
}

}  // namespace
}  // namespace tavrix
