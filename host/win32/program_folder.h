#pragma once

#include <windows.h>

#include <string>

namespace altostrat {

// The folder of the running program (UTF-8, without a trailing backslash: "C:" for a program in
// a drive's root). Long paths are read whole.
std::string ProgramFolder();

// The same for any loaded module; "" when its path cannot be read.
std::string ModuleFolder(HMODULE module);

}  // namespace altostrat
