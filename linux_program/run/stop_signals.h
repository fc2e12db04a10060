#pragma once
// SIGTERM, SIGINT and SIGHUP end the program within a moment, whatever it is doing: xscreensaver
// sends SIGTERM to a hack it no longer wants, often within a second of starting it, and waits
// for it to go before it can start the next. Most of the time the handler only sets a flag that
// the program reads often (between frames, while it waits for the image helper, while it waits
// for its window or the keyboard) and then tidies up itself.
//
// The scene set-up is one long call that reads no flag. For its duration the handler ends the
// process itself, with a call that is safe inside a handler; nothing of the run is on disk to
// tidy up, and the X server frees the window and the grab of a client that goes. A lost X
// server ends the process the same way, from Xlib's handler for it.

namespace altostrat {

void InstallStopSignals();

// True once one of the signals has arrived.
bool StopSignalled();

// From now until EndAtOnceOff, a stop signal ends the process with exit code 0 at once. A
// signal that came before is acted on here.
void EndAtOnceOnStop();

void EndAtOnceOff();

// The connection to the X server is gone: ends the process at once with exit code 1.
[[noreturn]] void EndAfterLostDisplay();

}  // namespace altostrat
