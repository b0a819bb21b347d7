// Security attributes that give the user running the program, and nobody
// else, access to what is created with them: the named objects the program
// shares with its hook library and the capture's scratch folder.
#pragma once

#include "platform/win32/windows_api.h"

namespace tavrix {

// Null when the system keeps no security (the program then goes on with the
// defaults). `inherited`: files and folders made inside take the same access.
SECURITY_ATTRIBUTES* UserOnlyAttributes(bool inherited = false);

}  // namespace tavrix
