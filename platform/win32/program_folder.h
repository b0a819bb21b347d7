// Where the running program lives.
#pragma once

#include <string>

namespace tavrix {

// The folder of the running executable, without a trailing backslash.
std::string ProgramFolder();
// The executable's file name without folder, upper-cased ("TAVRXP.EXE").
std::string ProgramFileName();
// A file in the program folder, as a wide path (for the hook library).
std::wstring ProgramFolderFileW(const wchar_t* name);

}  // namespace tavrix
