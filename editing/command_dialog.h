// What every command dialog shares: the result the editor reads after Ok
// (the tag text, the kind of script line and its record), the preset from an
// existing line for an edit, the Ok, Cancel and Help buttons, and the reading
// of numbers typed into edits.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "editing/script_records.h"
#include "platform/form.h"

namespace tavrix {

// The three buttons at the foot of a dialog, declared last so they come last
// in the tab order.
struct DialogButtons {
  DialogButtons(Form& form, int top);
  Button ok;
  Button cancel;
  Button help;
};

class CommandDialog : public Form {
 public:
  CommandDialog(std::string name, std::string caption, int clientWidth, int clientHeight)
      : Form(std::move(name), std::move(caption), clientWidth, clientHeight) {}

  // The dialog shows the values of a line's record instead of its defaults
  // (the record's layout belongs to the dialog's family).
  virtual void Load(int kind, const ScriptRecord& record) = 0;
  // A new line of `kind`: the dialog starts with the choice of that kind.
  virtual void Preset(int kind) { Load(kind, RecordForKind(kind)); }
  // "&Ok": the results below, or the message and the field to correct.
  virtual FormReply OkButtonClick() = 0;

  // --- Results after Ok ---------------------------------------------------
  std::string tagText;  // at most 255 characters; empty when cancelled
  int lineKind = 0;     // the kind of script line the dialog built
  ScriptRecord record;

 protected:
  FormReply Accept(std::string tag, int kind, ScriptRecord values);
};

// --- Helpers of the dialogs ---------------------------------------------------

// Leading and trailing blanks removed.
std::string TrimmedText(std::string_view text);
// A whole number made only of digits (after trimming); nothing otherwise.
std::optional<long long> WholeNumberIn(std::string_view text);
// A decimal number of digits and at most one point (after trimming).
std::optional<double> DecimalIn(std::string_view text);
// Two decimals, zero-padded to 5 characters ("01.50").
std::string TwoDecimals5(double value);
// 1-based position of the checked radio button of `radios`; 0 for none.
int CheckedIndex(std::initializer_list<const RadioButton*> radios);
// Checks radio `index` (1-based) of `radios` and clears the others.
void CheckIndex(std::initializer_list<RadioButton*> radios, int index);
// A number as an edit shows it.
std::string NumberText(double value, bool decimals);

}  // namespace tavrix
