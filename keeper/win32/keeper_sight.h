#pragma once
// What the keeper sees at a step: the screensaver's settings, the idle time, whether the user's
// own desktop is the one shown (and the session not locked), and whether a saver or the flight
// runs.

#include <string>

#include "keeper/keeper_decision.h"

namespace altostrat {

// HOST_PATH is the host beside the keeper; SCRNSAVE.EXE names it when it is the same file.
KeeperSight LookAround(const std::wstring& hostPath);

}  // namespace altostrat
