#pragma once
// A flight of the resident --idle on GNOME: a process of the program itself, started afresh with
// the flight's command line (gnome_idle_loop.h says why), its standard output left out (the
// XWayland window's note on where it flies). It ends on SIGTERM within a second; one that has not
// ended kChildGraceMs after being told is stuck (in the driver, or on a frozen X server) and is
// killed, which gives the screen back. Its end is heard through GLib's child watch, in the main
// loop, with no polling.

#include <glib.h>

#include <string>
#include <vector>

namespace altostrat {

struct FlightProcess {
    GPid pid = 0;          // 0: none runs
    guint killSource = 0;  // kills it once its time to end is over; 0: not told
    void (*onEnded)(void* data) = nullptr;
    void* data = nullptr;
};

// Starts COMMAND (the program's path, then its arguments); ON_ENDED(DATA) is called from the
// main loop once it has ended, however. False, saying why on standard error, when no process
// could be made.
bool StartFlightProcess(FlightProcess& flight, const std::vector<std::string>& command,
                        void (*onEnded)(void* data), void* data);

// SIGTERM, and SIGKILL after kChildGraceMs if it is still there. Once; later calls do nothing.
void TellFlightProcessToEnd(FlightProcess& flight);

}  // namespace altostrat
