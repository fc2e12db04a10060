#pragma once
// The monitors as Windows lists them now, in virtual-screen pixels: the one reading of the screen
// the host and the keeper share (common/win32/screen_reading.h).

#include <vector>

#include "flight/display/display_layout.h"

namespace altostrat {

// Every monitor of the desktop with its whole area (not only the part free of task bars);
// empty when Windows lists none.
std::vector<Monitor> ListMonitors();

}  // namespace altostrat
