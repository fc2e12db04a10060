#pragma once
// What the keeper sees once a second: the screensaver's settings, the idle time, and whether the
// user's own desktop is the one shown.

#include <windows.h>

#include <string>

#include "keeper/keeper_decision.h"

namespace altostrat {

// HOST_PATH is the host beside the keeper; SCRNSAVE.EXE names it when it is the same file.
KeeperSight LookAround(const std::wstring& hostPath);

// Whether the desktop that receives the user's input is "Default"; any failure (the secure
// desktop of a locked screen cannot even be opened) counts as not.
bool InputDesktopIsDefault();

}  // namespace altostrat
