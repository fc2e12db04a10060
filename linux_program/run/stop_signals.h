#pragma once
// SIGTERM, SIGINT and SIGHUP end the program within a moment, whatever it is doing: xscreensaver
// sends SIGTERM to a hack it no longer wants, often within a second of starting it, and waits
// for it to go before it can start the next. Most of the time the handler only sets a flag that
// the program reads often (between frames, while it waits for the image helper, while it waits
// for its window or the keyboard) and then tidies up itself.
//
// A wait in a poll cannot read a flag: a signal that lands after the last look at it and before
// the poll begins would leave the poll waiting for an event that may never come. For those the
// handler also writes into a pipe (the stop descriptor), which turns readable and stays so, and
// the poll waits on it beside its other descriptors. A pipe is the process's own: a child made
// with fork (the --idle flight) has one of its own the first time it asks, and the handler
// writes only the pipe of the process it runs in, so neither hears the other's signals.
//
// The making of the window (GLX loads its driver, a second or more on a busy machine) and the
// scene set-up are long calls that read no flag. For their duration the handler ends the
// process itself, with a call that is safe inside a handler; nothing of the run is on disk to
// tidy up, and the X server frees the window and the grab of a client that goes. A lost X
// server ends the process the same way, from Xlib's handler for it. The picture's decoding reads
// the flag as it goes (picture_decode.h).

namespace altostrat {

void InstallStopSignals();

// True once one of the signals has arrived.
bool StopSignalled();

// The stop descriptor: readable once one of the signals has arrived in this process (-1 when no
// pipe can be had; the flag still works). Never read from it.
int StopDescriptor();

// From now until EndAtOnceOff, a stop signal ends the process with exit code 0 at once. A
// signal that came before is acted on here.
void EndAtOnceOnStop();

void EndAtOnceOff();

// The connection to the X server is gone: ends the process at once with exit code 1.
[[noreturn]] void EndAfterLostDisplay();

}  // namespace altostrat
