// The 720 hot key names and their decoding.
#include <gtest/gtest.h>

#include <set>

#include "base/hot_key_table.h"

namespace tavrix {
namespace {

TEST(HotKeyTable, BlockBoundariesAndSpellings) {
  const std::vector<std::pair<int, const char*>> names{
      {0, "Ctrl+A"},          {25, "Ctrl+Z"},          {26, "Ctrl+0"},          {35, "Ctrl+9"},
      {36, "Ctrl+F1"},        {47, "Ctrl+F12"},        {48, "Alt+A"},           {96, "Ctrl+Shift+A"},
      {144, "Ctrl+Alt+A"},    {192, "Alt+Shift+A"},    {240, "Ctrl+Alt+Shift+A"}, {262, "Ctrl+Alt+Shift+W"},
      {265, "Ctrl+Alt+Shift+Z"}, {287, "Ctrl+Alt+Shift+F12"}, {288, "F1"},     {299, "F12"},
      {300, "Shift+F1"},      {311, "Shift+F12"},      {312, "Ctrl+Enter"},     {314, "Shift+Enter"},
      {318, "Ctrl+Alt+Shift+Enter"}, {319, "Ctrl+Tab"}, {320, "Shift+Tab"},    {323, "Ctrl+Alt+Shift+Tab"},
      {324, "Ctrl+Backspace"}, {330, "Ctrl+Alt+Shift+Backspace"}, {331, "Ctrl+Space"}, {338, "Ctrl+Insert"},
      {344, "Ctrl+Alt+Shift+Insert"}, {345, "Ctrl+Delete"}, {349, "Alt+Shift+Delete"}, {350, "Ctrl+Home"},
      {357, "Ctrl+End"},      {363, "Ctrl+Alt+Shift+End"}, {364, "Ctrl+."},     {365, "Alt+."},
      {369, "Ctrl+Alt+Shift+."}, {370, "Ctrl+,"},      {394, "Ctrl+\\"},        {424, "Ctrl+`"},
      {429, "Ctrl+Alt+Shift+`"}, {430, "KeyPad /"},    {431, "Ctrl+Keypad /"},  {433, "Shift+KeyPad /"},
      {437, "Ctrl+Alt+Shift+Keypad /"}, {438, "KeyPad *"}, {446, "KeyPad -"},  {454, "KeyPad +"},
      {461, "Ctrl+Alt+Shift+Keypad +"}, {462, "Insert"}, {465, "End"},         {466, "Page Up"},
      {471, "Down Arrow"},    {472, "Ctrl+Page Up"},   {478, "Ctrl+Alt+Shift+Page Up"},
      {485, "Ctrl+Alt+Shift+Page Down"}, {492, "Ctrl+Alt+Shift+Left Arro"}, {499, "Ctrl+Alt+Shift+Right Arr"},
      {506, "Ctrl+Alt+Shift+Up Arrow"}, {513, "Ctrl+Alt+Shift+Down Arro"}, {514, "KeyPad 0"},
      {515, "Ctrl+Keypad 0"}, {516, "Alt+Keypad 0"},   {517, "Ctrl+Alt+Keypad 0"}, {518, "KeyPad 1"},
      {553, "Ctrl+Alt+Keypad 9"}, {554, "Win+A"},      {601, "Win+F12"},        {602, "Win+Ctrl+A"},
      {650, "Win+Alt+A"},     {697, "Win+Alt+F12"},    {698, "ESC"},            {699, "LMouse"},
      {700, "Shift+LMouse"},  {705, "Shift+Alt+LMouse"}, {706, "RMouse"},      {713, "MMouse"},
      {719, "Shift+Alt+MMouse"},
  };
  for (const auto& [code, name] : names) EXPECT_EQ(HotKeyName(code), name) << code;
  EXPECT_EQ(HotKeyName(-1), "");
  EXPECT_EQ(HotKeyName(720), "");
  EXPECT_EQ(HotKeyName(10000), "");
}

TEST(HotKeyTable, NamesAreUniqueShortAndFoundByName) {
  std::set<std::string> seen;
  for (int code = 0; code < kHotKeyCount; ++code) {
    const std::string& name = HotKeyName(code);
    ASSERT_FALSE(name.empty()) << code;
    EXPECT_LE(name.size(), 24u) << code;
    EXPECT_TRUE(seen.insert(name).second) << "duplicate " << name;
    EXPECT_EQ(FindHotKey(name), code);
  }
  EXPECT_EQ(FindHotKey("Ctrl+Alt+Shift+Left Arrow"), std::nullopt);  // only the cut name exists
  EXPECT_EQ(FindHotKey("ctrl+a"), std::nullopt);
}

TEST(DecipherKey, EachBlockDecodesToItsKeyAndTheModifiersInItsName) {
  struct Case {
    int code;
    DecodedHotKey key;
  };
  // {vk, mouse, win, shift, alt, ctrl}
  const std::vector<Case> cases{
      {0, {'A', 0, false, false, false, true}},
      {26, {'0', 0, false, false, false, true}},
      {47, {123, 0, false, false, false, true}},
      {96, {'A', 0, false, true, false, true}},
      {262, {'W', 0, false, true, true, true}},
      {288, {112, 0, false, false, false, false}},
      {311, {123, 0, false, true, false, false}},
      {312, {13, 0, false, false, false, true}},
      {320, {9, 0, false, true, false, false}},
      {331, {32, 0, false, false, false, true}},
      {340, {45, 0, false, true, false, false}},
      {349, {46, 0, false, true, true, false}},
      {363, {35, 0, false, true, true, true}},
      {364, {190, 0, false, false, false, true}},
      {394, {220, 0, false, false, false, true}},
      {429, {192, 0, false, true, true, true}},
      {430, {111, 0, false, false, false, false}},
      {431, {111, 0, false, false, false, true}},
      {433, {111, 0, false, true, false, false}},
      {445, {106, 0, false, true, true, true}},
      {454, {107, 0, false, false, false, false}},
      {466, {33, 0, false, false, false, false}},
      {468, {37, 0, false, false, false, false}},
      {470, {38, 0, false, false, false, false}},
      {472, {33, 0, false, false, false, true}},
      {492, {37, 0, false, true, true, true}},
      {499, {39, 0, false, true, true, true}},
      {513, {40, 0, false, true, true, true}},
      {514, {96, 0, false, false, false, false}},
      {515, {96, 0, false, false, false, true}},
      {553, {105, 0, false, false, true, true}},
      {554, {'A', 0, true, false, false, false}},
      {638, {112, 0, true, false, false, true}},
      {697, {123, 0, true, false, true, false}},
      {698, {27, 0, false, false, false, false}},
      {699, {0, 1, false, false, false, false}},
      {702, {0, 1, false, false, true, false}},
      {705, {0, 1, false, true, true, false}},
      {708, {0, 2, false, false, false, true}},
      {717, {0, 3, false, true, false, true}},
  };
  for (const Case& c : cases) EXPECT_EQ(DecipherKey(c.code), c.key) << c.code << " " << HotKeyName(c.code);
  EXPECT_EQ(DecipherKey(10000), DecodedHotKey{});
}

}  // namespace
}  // namespace tavrix
