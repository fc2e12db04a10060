#pragma once
// Every monitor its own flight. Each monitor gets a flight window of its own size on a thread of
// its own, with its own rendering context, scene and frame pacer, so that each presents in step
// with its own monitor's refresh and none waits for another's swap. One process holds them all:
// one Escape, one close request, the foreground lost or the display powered down reach every
// flight at once through the signals they share, and the host's watch for the window title
// sees the flight go only when the last window has gone.

#include <windows.h>

#include <string>

#include "common/agreement.h"

namespace altostrat {

// Flies one flight per monitor (DecideMonitorFlights) until any of them ends, then ends them
// all and waits until every window is gone. AIRCRAFT_PATH: the model each flight loads, "" for
// none. The exit code is the primary's flight's.
int RunEachMonitor(HINSTANCE instance, const RendererOptions& options,
                   const std::string& aircraftPath);

}  // namespace altostrat
