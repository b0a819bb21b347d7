#include "editing/text_insertion.h"

#include <algorithm>
#include <array>

#include "editing/script_editor.h"

namespace tavrix {
namespace {

constexpr std::array<KeyTag, 30> kKeystrokes{{
    {"S&hift", "<SHIFT>"},           {"C&trl", "<CTRL>"},
    {"Alt", "<ALT>"},                {"Space", "<SPACE>"},
    {"Ta&b", "<TAB>"},               {"Backspace", "<BACKSPACE>"},
    {"E&nter", "<ENTER>"},           {"E&sc", "<ESC>"},
    {"Page Do&wn", "<PAGE DOWN>"},   {"Pa&ge Up", "<PAGE UP>"},
    {"&Insert", "<INSERT>"},         {"&Delete", "<DELETE>"},
    {"Ho&me", "<HOME>"},             {"End", "<END>"},
    {"U&p Arrow", "<UP ARROW>"},     {"D&own Arrow", "<DOWN ARROW>"},
    {"&Left Arrow", "<LEFT ARROW>"}, {"&Right Arrow", "<RIGHT ARROW>"},
    {"F1", "<F1>"},                  {"F2", "<F2>"},
    {"F3", "<F3>"},                  {"F4", "<F4>"},
    {"F5", "<F5>"},                  {"F6", "<F6>"},
    {"F7", "<F7>"},                  {"F8", "<F8>"},
    {"F9", "<F9>"},                  {"F10", "<F10>"},
    {"F11", "<F11>"},                {"F12", "<F12>"},
}};

constexpr std::array<KeyTag, 38> kMiscellaneous{{
    {"Left Window", "<LEFTWIN>"}, {"Right Window", "<RIGHTWIN>"}, {"Application", "<APP>"},
    {"F13", "<F13>"},             {"F14", "<F14>"},               {"F15", "<F15>"},
    {"F16", "<F16>"},             {"F17", "<F17>"},               {"F18", "<F18>"},
    {"F19", "<F19>"},             {"F20", "<F20>"},               {"F21", "<F21>"},
    {"F22", "<F22>"},             {"F23", "<F23>"},               {"F24", "<F24>"},
    {"Attn", "<ATTN>"},           {"CrSel", "<CRSEL>"},           {"ExSel", "<EXSEL>"},
    {"Erase EOF", "<EREOF>"},     {"Play", "<PLAY>"},             {"Zoom", "<ZOOM>"},
    {"PA1", "<PA1>"},             {"Keypad 0", "<KEYP0>"},        {"Keypad 1", "<KEYP1>"},
    {"Keypad 2", "<KEYP2>"},      {"Keypad 3", "<KEYP3>"},        {"Keypad 4", "<KEYP4>"},
    {"Keypad 5", "<KEYP5>"},      {"Keypad 6", "<KEYP6>"},        {"Keypad 7", "<KEYP7>"},
    {"Keypad 8", "<KEYP8>"},      {"Keypad 9", "<KEYP9>"},        {"Keypad .", "<KEYP.>"},
    {"Keypad /", "<KEYP/>"},      {"Keypad *", "<KEYP*>"},        {"Keypad -", "<KEYP->"},
    {"Keypad +", "<KEYP+>"},      {"Print Screen", "<PRTSCR>"},
}};

constexpr std::size_t kNamedKeys = kFirstFunctionKey;

Bounds KeystrokeBounds(std::size_t index, int top) {
  if (index < kNamedKeys) return {8 + static_cast<int>(index % 9) * 71, top + static_cast<int>(index / 9) * 27, 69, 25};
  return {8 + static_cast<int>(index - kNamedKeys) * 53, top + 54, 51, 25};
}

}  // namespace

std::vector<std::unique_ptr<Button>> MakeKeystrokeButtons(Form& form, int top,
                                                          std::function<FormReply(std::size_t)> click) {
  std::vector<std::unique_ptr<Button>> buttons;
  for (std::size_t i = 0; i < kKeystrokes.size(); ++i) {
    buttons.push_back(std::make_unique<Button>(form, "Key" + PlainCaption(kKeystrokes[i].caption),
                                               KeystrokeBounds(i, top), kKeystrokes[i].caption));
    buttons.back()->onClick = [click, i] { return click(i); };
  }
  return buttons;
}

FormMenu TextEditMenu() {
  FormMenu edit{"&Edit", {}};
  const std::pair<const char*, const char*> items[] = {{"Cu&t", "Ctrl+X"}, {"&Copy", "Ctrl+C"}, {"&Paste", "Ctrl+V"}, {"&Delete", ""}};
  const EditAction actions[] = {EditAction::Cut, EditAction::Copy, EditAction::Paste, EditAction::Delete};
  for (std::size_t i = 0; i < std::size(items); ++i) {
    FormMenuItem item;
    item.caption = items[i].first;
    item.shortcut = items[i].second;
    item.editAction = actions[i];
    edit.items.push_back(std::move(item));
  }
  return edit;
}

FormMenu ButtonsMenu(Form& form, std::string caption, const std::vector<std::unique_ptr<Button>>& buttons,
                      std::size_t first, std::size_t last) {
  FormMenu entry{std::move(caption), {}};
  for (std::size_t i = first; i < last && i < buttons.size(); ++i) entry.items.push_back(form.TwinOf(*buttons[i]));
  return entry;
}

std::span<const KeyTag> KeystrokeButtons() { return kKeystrokes; }
std::span<const KeyTag> MiscellaneousKeys() { return kMiscellaneous; }

std::string PlainCaption(std::string_view caption) {
  std::string plain(caption);
  plain.erase(std::remove(plain.begin(), plain.end(), '&'), plain.end());
  return plain;
}

bool InsertAtCaret(Ui& ui, Edit& box, std::string_view text) {
  if (text.size() + box.text.size() > kMacroTextLimit) {
    ui.ShowMessage("Error", kTextNotAdded);
    return false;
  }
  const std::size_t at = std::min(static_cast<std::size_t>(std::max(box.selStart, 0)), box.text.size());
  box.text.insert(at, text);
  box.selStart = static_cast<int>(at + text.size());
  box.selLength = 0;
  return true;
}

std::string TabsAsTags(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c == '\t') {
      result += "<TAB>";
    } else {
      result += c;
    }
  }
  return result;
}

void CutToMacroLimit(Ui& ui, std::string& text) {
  if (text.size() <= kMacroTextLimit) return;
  ui.ShowMessage("Error", kMacroTruncated);
  text.resize(kMacroTextLimit);
}

}  // namespace tavrix
