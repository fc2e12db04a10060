#pragma once
// "altostrat --idle SECONDS" on Wayland: the program stays resident and costs nothing while it
// waits. It asks the compositor for an idle notification (ext-idle-notify's, the one that
// honours idle inhibitors, so a playing video keeps the flight away) and sleeps in a poll on the
// compositor's socket, with no timer: only the compositor's word, the flight's end or a stop
// signal wakes it. When the seat has been idle for SECONDS, it flies; the flight ends on input
// or when the compositor says the user is back ("resumed"), and the loop then waits for the
// user to come back (if the flight ended otherwise) and to leave again before the next flight.
// SIGTERM, SIGINT and SIGHUP end it with exit code 0, at any moment: the program hands in its
// stop descriptor (wait/display_wait.h), which every wait here watches.
//
// A compositor may go and come back (KWin restarts itself after a crash): a broken connection
// is asked for again, on reconnect_schedule.h's times, and the idle watch made afresh on the new
// one; only when it has not come back within 30 s does the loop give up, saying so.
//
// Each flight runs in a child process with a connection of its own. A flight loads the OpenGL
// driver (with llvmpipe, LLVM: some 100 MB) and leaves memory behind that the process could not
// give back; the waiting process never loads it and stays at a few MB however many flights
// there were, and a flight that fails cannot take the waiting down with it. The child learns
// of the compositor's "resumed" through a socket between the two, which also tells the waiting
// process when the child has gone.

#include <functional>

struct wl_display;

namespace altostrat {

// One flight, run in the child on DISPLAY (the child's own connection, closed after it).
// endNow turns true once the compositor has said the user is back; the flight asks it between
// pictures. However it ends, the loop then waits for the user to be back and to leave again.
using IdleFlight = std::function<void(wl_display* display, const std::function<bool()>& endNow)>;

// The program's exit code: 0 after a stop signal (STOP turned readable); 1 when the compositor
// has gone and not come back; 2, with a line on standard error saying what to use instead, when
// the compositor has no ext-idle-notify or no seat. DISPLAY stays the caller's; a connection
// made here after it broke is closed here.
int RunIdleLoop(wl_display* display, int stop, int idleSeconds, const IdleFlight& fly);

}  // namespace altostrat
