// The answers are computed the way Windows computes them: the layout's
// character tables are searched in their own order, a Ctrl or Shift+Ctrl
// match is kept only as a last resort, and a control character found nowhere
// is Ctrl plus the character + 0x40.
#include "platform/sim/us_keyboard_layout.h"

#include <array>
#include <initializer_list>

namespace tavrix {

namespace {

constexpr std::uint16_t None = 0xF000;  // no character in this column

// One row of a character table: the key and its characters for the shift
// states 0 (none), 1 (Shift), 2 (Ctrl), 3 (Shift+Ctrl).
struct KeyRow {
  std::uint8_t vk;
  std::array<std::uint16_t, 4> characters;
};

struct CharacterTable {
  int columns;
  std::initializer_list<KeyRow> rows;
};

KeyRow Row(std::uint8_t vk, std::uint16_t base, std::uint16_t shift, std::uint16_t ctrl = None,
           std::uint16_t shiftCtrl = None) {
  return KeyRow{vk, {base, shift, ctrl, shiftCtrl}};
}

std::array<std::int16_t, 256> BuildScanTable() {
  // The tables in the layout's order: three columns, four columns, two, one.
  const std::initializer_list<KeyRow> threeColumns = {
      Row(0xDB, '[', '{', 0x1B),  Row(0xDD, ']', '}', 0x1D),   Row(0xDC, '\\', '|', 0x1C),
      Row(0xE2, '\\', '|', 0x1C), Row(0x08, 0x08, 0x08, 0x7F), Row(0x1B, 0x1B, 0x1B, 0x1B),
      Row(0x0D, '\r', '\r', '\n'), Row(0x20, ' ', ' ', ' '),    Row(0x03, 0x03, 0x03, 0x03),
  };
  const std::initializer_list<KeyRow> fourColumns = {
      Row('2', '2', '@', None, 0x00),
      Row('6', '6', '^', None, 0x1E),
      Row(0xBD, '-', '_', None, 0x1F),
  };
  std::initializer_list<KeyRow> twoColumnsHead = {
      Row(0xC0, '`', '~'), Row('1', '1', '!'), Row('3', '3', '#'), Row('4', '4', '$'),
      Row('5', '5', '%'),  Row('7', '7', '&'), Row('8', '8', '*'), Row('9', '9', '('),
      Row('0', '0', ')'),  Row(0xBB, '=', '+'),
  };
  std::initializer_list<KeyRow> twoColumnsTail = {
      Row(0xBA, ';', ':'),  Row(0xDE, '\'', '"'), Row(0xBC, ',', '<'), Row(0xBE, '.', '>'),
      Row(0xBF, '/', '?'),  Row(0x6E, '.', '.'),  Row(0x09, '\t', '\t'), Row(0x6B, '+', '+'),
      Row(0x6F, '/', '/'),  Row(0x6A, '*', '*'),  Row(0x6D, '-', '-'),
  };

  struct Found {
    bool any = false;
    std::int16_t value = -1;
  };
  std::array<std::int16_t, 256> table{};
  for (int ch = 0; ch < 256; ++ch) {
    Found preferred;
    Found lastResort;
    auto search = [&](const KeyRow& row, int columns) {
      if (preferred.any) return;
      for (int column = 0; column < columns; ++column) {
        if (row.characters[column] != ch) continue;
        const auto value = static_cast<std::int16_t>(row.vk | (column << 8));
        if (column >= 2) {
          if (!lastResort.any) lastResort = Found{true, value};
        } else {
          preferred = Found{true, value};
          return;
        }
      }
    };
    for (const auto& row : threeColumns) search(row, 3);
    for (const auto& row : fourColumns) search(row, 4);
    for (const auto& row : twoColumnsHead) search(row, 2);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      search(Row(static_cast<std::uint8_t>(letter), static_cast<std::uint16_t>(letter - 'A' + 'a'),
                 static_cast<std::uint16_t>(letter)),
             2);
    }
    for (const auto& row : twoColumnsTail) search(row, 2);
    for (char digit = '0'; digit <= '9'; ++digit) {
      search(Row(static_cast<std::uint8_t>(0x60 + digit - '0'), static_cast<std::uint16_t>(digit), None), 1);
    }

    if (preferred.any) {
      table[ch] = preferred.value;
    } else if (lastResort.any) {
      table[ch] = lastResort.value;
    } else if (ch < 0x20) {
      table[ch] = static_cast<std::int16_t>(0x200 | (ch + 0x40));
    } else {
      table[ch] = -1;
    }
  }
  return table;
}

}  // namespace

std::int16_t UsKeyScan(unsigned char character) {
  static const std::array<std::int16_t, 256> table = BuildScanTable();
  return table[character];
}

}  // namespace tavrix
