#pragma once
// The seat's keyboard and pointer while the flight covers the outputs. As a screen saver ends,
// the flight ends when the user is back: a key pressed (not one held down as the flight began),
// a pointer button, or the pointer moved more than a few pixels from where it was first seen
// over the flight (a compositor reports a pointer resting under a new surface, and a nudged
// desk, as small motion). The pointer is hidden over every surface of the flight.

#include "linux_program/wayland/wayland_screen.h"

namespace altostrat {

// Listens to the seat bound in screen.input.seat: keyboard and pointer as it has them.
void WatchSeat(WaylandScreen& screen);

// Lets the keyboard, the pointer and the seat go.
void ReleaseSeat(WaylandScreen& screen);

}  // namespace altostrat
