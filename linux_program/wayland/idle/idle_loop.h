#pragma once
// "altostrat --idle SECONDS" on Wayland: the program stays resident and costs nothing while it
// waits. It asks the compositor for an idle notification (ext-idle-notify's, the one that
// honours idle inhibitors, so a playing video keeps the flight away) and sleeps in a poll on the
// compositor's socket, with no timer: only the compositor's word or a stop signal wakes it. When
// the seat has been idle for SECONDS, it flies; the flight ends on input or when the compositor
// says the user is back ("resumed"), and the loop then waits for the user to come back (if the
// flight ended otherwise) and to leave again before the next flight. SIGTERM, SIGINT and SIGHUP
// end it with exit code 0, at any moment.

#include <functional>

#include "linux_program/wayland/idle/flight_end.h"

struct wl_display;

namespace altostrat {

// One flight. endNow turns true once the compositor says the user is back; the flight asks it
// while it flies (it is answered from events on the display's default queue, which the flight
// dispatches).
using IdleFlight = std::function<WaylandFlightEnd(const std::function<bool()>& endNow)>;

// The program's exit code: 0 after a stop signal; 1 when the compositor goes; 2, with a line on
// standard error saying what to use instead, when the compositor has no ext-idle-notify or no
// seat.
int RunIdleLoop(wl_display* display, int idleSeconds, const IdleFlight& fly);

}  // namespace altostrat
