// "Output Macro Information": the dialog that chooses the items
// (`TDoOutput`) and the text file that lists them for every macro in the
// list's order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "store/macro_file.h"
#include "store/macro_record.h"

namespace tavrix {

inline constexpr const char* kNoHotKeysText = "No hot keys have been added yet.  Please add one first.";
inline constexpr const char* kNothingCheckedText = "Nothing has been checked for printing.  Please Correct.";
inline constexpr const char* kUnableToCreateText = "Unable to create text file.";
inline constexpr const char* kOutputDialogTitle = "Write Hot Key Definitions to File";

// Which details of each macro the file holds.
struct OutputItems {
  bool icon = true;
  bool hotKey = true;
  bool name = true;
  bool window = true;
  bool schedule = true;
  bool text = true;
  bool Any() const { return icon || hotKey || name || window || schedule || text; }
  bool operator==(const OutputItems&) const = default;
};

// "icon,hotkey,name,window,schedule,text" or any of them; nothing for an
// unknown word or an empty list.
std::optional<OutputItems> ParseOutputItems(std::string_view words);

// The lines of one macro, each ended by CR LF, then the empty line that ends
// the macro.
std::string MacroOutputText(const MacroRecord& record, const OutputItems& items);

// Writes the file for the macros of `rowMap`, in its order. The file appears
// whole or not at all: it is written beside its place under another name and
// takes its name only once complete. False when it could not be made (the
// caller tells the user); an existing file of that name is then unchanged.
bool WriteMacroOutput(const MacroFile& file, const std::vector<int>& rowMap, const OutputItems& items,
                      const std::string& path);

class TDoOutput : public Form {
 public:
  TDoOutput();
  OutputItems Items() const;
  FormReply OkButtonClick();

  Label promptLabel{*this, "PromptLabel", {12, 10, 220, 16}, "Write these items of every macro:"};
  CheckBox iconBox{*this, "IconBox", {24, 32, 120, 17}, "&Icon"};
  CheckBox hotKeyBox{*this, "HotKeyBox", {24, 54, 120, 17}, "&Hot Key"};
  CheckBox nameBox{*this, "NameBox", {24, 76, 120, 17}, "&Name"};
  CheckBox windowBox{*this, "WindowBox", {150, 32, 120, 17}, "&Window"};
  CheckBox scheduleBox{*this, "ScheduleBox", {150, 54, 120, 17}, "&Schedule"};
  CheckBox textBox{*this, "TextBox", {150, 76, 120, 17}, "&Text"};
  Button okButton{*this, "OkButton", {60, 108, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {145, 108, 75, 25}, "&Cancel", ButtonRole::Cancel};
};

}  // namespace tavrix
