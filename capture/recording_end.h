// A recording the user ended from the program (the recording icon or "End
// Capture") rather than with a stop key: the hook library had no chance to
// finish it, so its text may end with the right-click on the recording icon
// and may still hold keys or buttons down. The right-click goes and what is
// held is released, so that the macro leaves nothing down.
#pragma once

#include <string>
#include <string_view>

namespace tavrix {

std::string FinishRecordingEndedByUser(std::string_view text);

}  // namespace tavrix
