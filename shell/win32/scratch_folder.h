// The user's own folder for the capture's scratch file: what it holds are
// keys the user typed, so it lives below the user's profile, readable by the
// user only, and not beside the program where every user of the machine may
// read it.
#pragma once

#include <string>

namespace tavrix {

// "<local application data>\Tavrix", made when missing; empty when there is
// no such folder (the program folder serves then).
std::string UserScratchFolder();

// Removes a capture file a killed run left behind in `folder`.
void RemoveLeftoverCaptureFile(const std::string& folder);

}  // namespace tavrix
