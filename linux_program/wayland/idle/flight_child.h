#pragma once
// The flight's child process, seen from the waiting one (see idle_loop.h for why there is one).
// The two share a socket: the waiting process writes a byte on it when the user is back, and
// the child's end closing (at its exit, or a crash) wakes the waiting process's poll.

#include <sys/types.h>

#include "linux_program/wayland/idle/idle_loop.h"

namespace altostrat {

struct FlightChild {
    pid_t pid = -1;
    int socket = -1;  // the waiting process's end: readable once the child has gone
    bool told = false;
};

// Forks; the child connects to the compositor afresh, flies with FLY and exits. False, with
// nothing started, when no child can be made.
bool StartFlightChild(wl_display* waiting, const IdleFlight& fly, FlightChild& child);

// The user is back: the child's endNow turns true. Once; later calls do nothing.
void TellUserBack(FlightChild& child);

// Once the socket says the child has gone: waits for it.
void ReapFlightChild(FlightChild& child);

// Ends the child with SIGTERM, which the flight answers within a second, and waits for it.
void StopFlightChild(FlightChild& child);

}  // namespace altostrat
