#pragma once
// The sign of GNOME: its compositor's idle monitor owns its name on the session bus
// (run/display_path.h says why this and not XDG_CURRENT_DESKTOP decides).

#include "linux_program/run/display_path.h"

namespace altostrat {

// Asks the session bus, waiting at most a few seconds; kAbsent where there is no bus.
GnomeIdleMonitor AskGnomeIdleMonitor();

}  // namespace altostrat
