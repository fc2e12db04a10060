#pragma once
// SIGTERM, SIGINT and SIGHUP end the program within a moment, whatever it is doing: xscreensaver
// sends SIGTERM to a hack it no longer wants, often within a second of starting it, and waits
// for it to go before it can start the next. Most of the time the handler only sets a flag that
// the program reads often (between frames, while it waits for the image helper, while it waits
// for its window or the keyboard) and then tidies up itself.
//
// The scene set-up is one long call that reads no flag. For its duration the handler ends the
// process itself: it first removes the pictures that may still be on disk, with calls that are
// safe inside a handler. The X server frees the window and the grab of a client that goes.

#include <string>

namespace altostrat {

void InstallStopSignals();

// True once one of the signals has arrived.
bool StopSignalled();

// From now until EndAtOnceOff, a stop signal ends the process with exit code 0 at once, after
// removing the capture folder's three pictures and the folder. A signal that came before is
// acted on here. The folder may be empty (nothing to remove).
void EndAtOnceOnStop(const std::string& captureFolder);

// The capture folder is gone: the handler no longer needs to remove it.
void ForgetCaptureFolder();

void EndAtOnceOff();

}  // namespace altostrat
