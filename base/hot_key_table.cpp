#include "base/hot_key_table.h"

#include <array>
#include <vector>

namespace tavrix {
namespace {

struct Key {
  const char* name;
  std::uint16_t vk;
};

struct Entry {
  std::string name;
  DecodedHotKey key;
};

// Modifier prefixes as the names spell them.
struct Prefix {
  const char* text;
  bool win, shift, alt, ctrl;
};

constexpr Prefix kNone{"", false, false, false, false};
constexpr Prefix kCtrl{"Ctrl+", false, false, false, true};
constexpr Prefix kAlt{"Alt+", false, false, true, false};
constexpr Prefix kShift{"Shift+", false, true, false, false};
constexpr Prefix kCtrlShift{"Ctrl+Shift+", false, true, false, true};
constexpr Prefix kAltShift{"Alt+Shift+", false, true, true, false};
constexpr Prefix kShiftAlt{"Shift+Alt+", false, true, true, false};
constexpr Prefix kCtrlAlt{"Ctrl+Alt+", false, false, true, true};
constexpr Prefix kCtrlAltShift{"Ctrl+Alt+Shift+", false, true, true, true};
constexpr Prefix kWin{"Win+", true, false, false, false};
constexpr Prefix kWinCtrl{"Win+Ctrl+", true, false, false, true};
constexpr Prefix kWinAlt{"Win+Alt+", true, false, true, false};

const std::vector<Prefix> kSixPrefixes{kCtrl, kAlt, kCtrlShift, kCtrlAlt, kAltShift, kCtrlAltShift};
const std::vector<Prefix> kSevenPrefixes{kCtrl, kAlt, kShift, kCtrlShift, kAltShift, kCtrlAlt, kCtrlAltShift};
const std::vector<Prefix> kPunctuationPrefixes{kCtrl, kAlt, kCtrlShift, kAltShift, kCtrlAlt, kCtrlAltShift};

std::vector<Key> LettersDigitsFunctionKeys() {
  static const std::array<const char*, 26> letters{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                                  "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
  static const std::array<const char*, 10> digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  static const std::array<const char*, 12> functions{"F1", "F2", "F3", "F4", "F5", "F6",
                                                    "F7", "F8", "F9", "F10", "F11", "F12"};
  std::vector<Key> keys;
  for (int i = 0; i < 26; ++i) keys.push_back({letters[i], static_cast<std::uint16_t>('A' + i)});
  for (int i = 0; i < 10; ++i) keys.push_back({digits[i], static_cast<std::uint16_t>('0' + i)});
  for (int i = 0; i < 12; ++i) keys.push_back({functions[i], static_cast<std::uint16_t>(112 + i)});
  return keys;
}

class TableBuilder {
 public:
  void Add(const Prefix& prefix, const std::string& keyName, std::uint16_t vk, std::uint8_t mouse = kNoMouseButton) {
    std::string name = std::string(prefix.text) + keyName;
    if (name.size() > kHotKeyNameCapacity) name.resize(kHotKeyNameCapacity);
    entries_.push_back({name, DecodedHotKey{vk, mouse, prefix.win, prefix.shift, prefix.alt, prefix.ctrl}});
  }
  // Each prefix in turn with every key.
  void PrefixMajor(const std::vector<Prefix>& prefixes, const std::vector<Key>& keys) {
    for (const Prefix& p : prefixes)
      for (const Key& k : keys) Add(p, k.name, k.vk);
  }
  // Each key in turn with every prefix.
  void KeyMajor(const std::vector<Key>& keys, const std::vector<Prefix>& prefixes) {
    for (const Key& k : keys)
      for (const Prefix& p : prefixes) Add(p, k.name, k.vk);
  }
  std::vector<Entry> Take() { return std::move(entries_); }

 private:
  std::vector<Entry> entries_;
};

void AddKeypadOperators(TableBuilder& table) {
  // The plain and Shift forms are spelt "KeyPad", the others "Keypad".
  const std::vector<Key> operators{{"/", 111}, {"*", 106}, {"-", 109}, {"+", 107}};
  for (const Key& k : operators) {
    const std::string upper = std::string("KeyPad ") + k.name;
    const std::string lower = std::string("Keypad ") + k.name;
    table.Add(kNone, upper, k.vk);
    table.Add(kCtrl, lower, k.vk);
    table.Add(kAlt, lower, k.vk);
    table.Add(kShift, upper, k.vk);
    table.Add(kCtrlShift, lower, k.vk);
    table.Add(kAltShift, lower, k.vk);
    table.Add(kCtrlAlt, lower, k.vk);
    table.Add(kCtrlAltShift, lower, k.vk);
  }
}

void AddKeypadDigits(TableBuilder& table) {
  for (int d = 0; d <= 9; ++d) {
    const std::string digit = std::to_string(d);
    const auto vk = static_cast<std::uint16_t>(96 + d);
    table.Add(kNone, "KeyPad " + digit, vk);
    table.Add(kCtrl, "Keypad " + digit, vk);
    table.Add(kAlt, "Keypad " + digit, vk);
    table.Add(kCtrlAlt, "Keypad " + digit, vk);
  }
}

void AddMouseButtons(TableBuilder& table) {
  const std::vector<Prefix> prefixes{kNone, kShift, kCtrl, kAlt, kCtrlShift, kCtrlAlt, kShiftAlt};
  const std::array<std::pair<const char*, std::uint8_t>, 3> buttons{
      {{"LMouse", kLeftMouseButton}, {"RMouse", kRightMouseButton}, {"MMouse", kMiddleMouseButton}}};
  for (const auto& [name, button] : buttons)
    for (const Prefix& p : prefixes) table.Add(p, name, 0, button);
}

std::vector<Entry> BuildTable() {
  TableBuilder table;
  const std::vector<Key> mainKeys = LettersDigitsFunctionKeys();
  table.PrefixMajor(kSixPrefixes, mainKeys);  // 0..287
  const std::vector<Key> functionKeys(mainKeys.end() - 12, mainKeys.end());
  table.PrefixMajor({kNone, kShift}, functionKeys);                                  // 288..311
  table.KeyMajor({{"Enter", 13}}, kSevenPrefixes);                                   // 312..318
  table.KeyMajor({{"Tab", 9}}, {kCtrl, kShift, kCtrlShift, kCtrlAlt, kCtrlAltShift});  // 319..323
  table.KeyMajor({{"Backspace", 8}, {"Space", 32}, {"Insert", 45}}, kSevenPrefixes);  // 324..344
  table.KeyMajor({{"Delete", 46}}, {kCtrl, kAlt, kShift, kCtrlShift, kAltShift});     // 345..349
  table.KeyMajor({{"Home", 36}, {"End", 35}}, kSevenPrefixes);                        // 350..363
  table.KeyMajor({{".", 190}, {",", 188}, {"/", 191}, {";", 186}, {"'", 222}, {"\\", 220}, {"[", 219},
                  {"]", 221}, {"-", 189}, {"=", 187}, {"`", 192}},
                 kPunctuationPrefixes);  // 364..429
  AddKeypadOperators(table);             // 430..461
  const std::vector<Key> navigation{{"Page Up", 33},    {"Page Down", 34},   {"Left Arrow", 37},
                                    {"Right Arrow", 39}, {"Up Arrow", 38}, {"Down Arrow", 40}};
  table.KeyMajor({{"Insert", 45}, {"Delete", 46}, {"Home", 36}, {"End", 35}}, {kNone});  // 462..465
  table.KeyMajor(navigation, {kNone});                                                // 466..471
  table.KeyMajor(navigation, kSevenPrefixes);                                         // 472..513
  AddKeypadDigits(table);                                                             // 514..553
  table.PrefixMajor({kWin, kWinCtrl, kWinAlt}, mainKeys);                             // 554..697
  table.Add(kNone, "ESC", 27);                                                        // 698
  AddMouseButtons(table);                                                             // 699..719
  return table.Take();
}

const std::vector<Entry>& Table() {
  static const std::vector<Entry> table = BuildTable();
  return table;
}

}  // namespace

const std::string& HotKeyName(int code) {
  static const std::string none;
  if (code < 0 || code >= kHotKeyCount) return none;
  return Table()[static_cast<std::size_t>(code)].name;
}

std::optional<std::uint16_t> FindHotKey(std::string_view name) {
  const auto& table = Table();
  for (std::size_t code = 0; code < table.size(); ++code)
    if (table[code].name == name) return static_cast<std::uint16_t>(code);
  return std::nullopt;
}

DecodedHotKey DecipherKey(int code) {
  if (code < 0 || code >= kHotKeyCount) return {};
  return Table()[static_cast<std::size_t>(code)].key;
}

}  // namespace tavrix
