#pragma once
// SIGTERM and SIGINT end the flight cleanly: xscreensaver sends SIGTERM to a hack it no longer
// wants, and the hack must still remove its capture folder and leave the X server tidy. The
// handler only sets a flag; the frame loop reads it between frames and does the work itself.

namespace altostrat {

void InstallStopSignals();

// True once either signal has arrived.
bool StopSignalled();

}  // namespace altostrat
