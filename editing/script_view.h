// The script view: a macro text as the list of script lines the script editor
// shows, one line per command, with each line's display text and record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editing/script_records.h"

namespace tavrix {

// Where a display text is made: by reading a macro text, or from what a
// command dialog returned (a few lines read differently then).
enum class DisplayStyle { FromText, FromDialog };

// The script lines of a macro text (up to its first NUL), not yet indented.
std::vector<ScriptLine> BuildTheScript(std::string_view macroText);

// The display text of a line of `kind` carrying `record` (kind and layout
// must belong together), without indentation.
std::string LineDisplay(int kind, const ScriptRecord& record, DisplayStyle style = DisplayStyle::FromText);

// Puts 3 spaces per open block (repeat, clipboard copy, key held down) in
// front of every display text.
void IndentScript(std::vector<ScriptLine>& lines);

// The characters after the last backslash of a path (all of it without one).
std::string_view NamePart(std::string_view path);

// The example of a date or time format for Monday, 30 March 1998, 15:04:23.
std::string DateFormatExample(int format);
std::string TimeFormatExample(int format);

}  // namespace tavrix
