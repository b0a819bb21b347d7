// What the two text forms ("Modify Hot Key" and "Enter Keystrokes") share:
// the one way every button puts its text into the text box, the keystroke
// buttons and the "Miscellaneous" keys with the tags they insert, and what
// Update does to the typed text before it is stored.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "platform/ui.h"

namespace tavrix {

inline constexpr const char* kTextNotAdded = "Text exceeds maximum length.  Text not added.";
inline constexpr const char* kMacroTruncated =
    "The size of the macro exceeds the 5,000 character limit.  The macro will be truncated to 5,000 characters.";

// A button's caption (with its "&") and the tag it inserts.
struct KeyTag {
  const char* caption;
  const char* tag;
};

// The keystroke buttons in their order: Shift to Right Arrow, then F1 to F12.
std::span<const KeyTag> KeystrokeButtons();
// The entries of the "Miscellaneous" list in their order.
std::span<const KeyTag> MiscellaneousKeys();
// A caption without its "&".
std::string PlainCaption(std::string_view caption);

// The keystroke buttons of a form, in a block whose first row is at `top`:
// the named keys in two rows of nine, then the function keys; a click runs
// `click` with the button's index.
std::vector<std::unique_ptr<Button>> MakeKeystrokeButtons(Form& form, int top,
                                                          std::function<FormReply(std::size_t)> click);
// The height of that block.
inline constexpr int kKeystrokeBlockHeight = 79;
// The keystroke buttons Shift to Right Arrow come before F1.
inline constexpr std::size_t kFirstFunctionKey = 18;

// The Edit menu of the text forms: "Cu&t" (Ctrl+X), "&Copy" (Ctrl+C),
// "&Paste" (Ctrl+V) and "&Delete", on the focused field.
FormMenu TextEditMenu();
// A menu of twins of `buttons` from `first` up to (not including) `last`:
// each item does what its button does.
FormMenu ButtonsMenu(Form& form, std::string caption, const std::vector<std::unique_ptr<Button>>& buttons,
                      std::size_t first, std::size_t last);

// Inserts `text` at the start of the box's selection (the selected text
// stays, after it) and puts the caret right after it; a text that would make
// the box longer than a macro may be is refused with a message and nothing
// changes. False when refused.
bool InsertAtCaret(Ui& ui, Edit& box, std::string_view text);

// The typed text as a macro stores it: every tab becomes "<TAB>" (line
// breaks stay as they are).
std::string TabsAsTags(std::string_view text);
// A text longer than a macro may be is cut to the limit, after the message.
void CutToMacroLimit(Ui& ui, std::string& text);

}  // namespace tavrix
