// The compile: script lines back into macro text.
#pragma once

#include <string>
#include <vector>

#include "editing/script_records.h"

namespace tavrix {

// What one line of `kind` writes into the macro text.
std::string CompileLine(int kind, const ScriptRecord& record);

// Every line in order, each by the kind its display text names; a line of no
// kind writes nothing. No length limit is applied here.
std::string CompileScript(const std::vector<ScriptLine>& lines);

// A number in plain decimal with zeros in front up to `width` digits.
std::string Padded(long long number, std::size_t width);

}  // namespace tavrix
