#pragma once
// Waiting on the compositor's socket. The flight's loop blocks here between pictures: until an
// event comes (a frame callback, a key), until TIMEOUT_MS pass, or until a stop signal arrives
// (the handlers are installed without SA_RESTART, so the wait returns at once with EINTR).

#include <wayland-client.h>

#include <cstdint>

namespace altostrat {

// Sends what is queued, waits as above (0: not at all; -1: no time limit), reads what came and
// dispatches the default queue. False when the connection is gone.
bool WaitForWaylandEvents(wl_display* display, int timeoutMs);

// The steady clock the waits and the frame callbacks are timed by, in milliseconds.
std::int64_t NowMs();

}  // namespace altostrat
