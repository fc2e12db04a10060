#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace altostrat {

// The folder of the running program (UTF-8, without a trailing backslash: "C:" for a program in
// a drive's root). Long paths are read whole.
std::string ProgramFolder();

// The same for any loaded module; "" when its path cannot be read.
std::string ModuleFolder(HMODULE module);

// The running program's own path as Windows reports it, then its long and short forms where
// they differ: the forms its command line may begin with.
std::vector<std::string> ProgramPathForms();

}  // namespace altostrat
