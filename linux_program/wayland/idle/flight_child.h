#pragma once
// The flight's child process, seen from the waiting one (see idle_loop.h for why there is one).
// The two share a socket: the waiting process writes a byte on it when the user is back, and
// the child's end closing (at its exit, or a crash) wakes the waiting process's poll.
//
// The waiting process stays in charge: a child that has not ended within a while of being told
// (the user is back, or SIGTERM) is killed. A child stuck in a driver or in a roundtrip on a
// frozen compositor would otherwise keep the screen covered and the keyboard held for ever; the
// compositor drops a dead client's surfaces, which gives both back.

#include <sys/types.h>

#include <cstdint>

#include "linux_program/run/child_grace.h"
#include "linux_program/wayland/idle/idle_loop.h"

namespace altostrat {

struct FlightChild {
    pid_t pid = -1;
    int socket = -1;  // the waiting process's end: readable once the child has gone
    bool told = false;
    std::int64_t toldAtMs = 0;  // when it was told (NowMs's clock)
};

// Forks; the child connects to the compositor afresh, flies with FLY and exits. False, with
// nothing started, when no child can be made.
bool StartFlightChild(wl_display* waiting, const IdleFlight& fly, FlightChild& child);

// The user is back: the child's endNow turns true. Once; later calls do nothing.
void TellUserBack(FlightChild& child);

// The time by which a told child must have gone (kNoDeadline while it is not told).
std::int64_t ChildGoneBy(const FlightChild& child);

// Once the socket says the child has gone: waits for it.
void ReapFlightChild(FlightChild& child);

// Ends the child at once (SIGKILL) and waits for it.
void KillFlightChild(FlightChild& child);

// Ends the child with SIGTERM, which the flight answers within a second; one that has not gone
// within kChildGraceMs is killed. Either way it has been waited for when this returns.
void StopFlightChild(FlightChild& child);

}  // namespace altostrat
