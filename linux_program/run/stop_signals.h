#pragma once
// SIGTERM, SIGINT and SIGHUP end the program within a moment, whatever it is doing: xscreensaver
// sends SIGTERM to a hack it no longer wants, often within a second of starting it, and waits
// for it to go before it can start the next. Most of the time the handler only sets a flag that
// the program reads often (between frames, while it waits for the image helper, while it waits
// for its window or the keyboard) and then tidies up itself.
//
// The scene set-up is one long call that reads no flag. For its duration the handler ends the
// process itself: it first removes the pictures that may still be on disk, with calls that are
// safe inside a handler. The X server frees the window and the grab of a client that goes. A
// lost X server ends the process the same way, from Xlib's handler for it.
//
// The capture folder is known here from the moment it is made until it is removed, and removed
// before it is forgotten: a signal between the two finds the files gone, never left behind.

#include <string>

namespace altostrat {

void InstallStopSignals();

// True once one of the signals has arrived.
bool StopSignalled();

// The capture folder now exists: an end at once removes its three pictures and the folder.
void RememberCaptureFolder(const std::string& captureFolder);

// The capture folder is gone: nothing is left to remove.
void ForgetCaptureFolder();

// From now until EndAtOnceOff, a stop signal ends the process with exit code 0 at once, after
// removing the capture folder. A signal that came before is acted on here.
void EndAtOnceOnStop();

void EndAtOnceOff();

// The connection to the X server is gone: removes the capture folder and ends the process
// with exit code 1.
[[noreturn]] void EndAfterLostDisplay();

}  // namespace altostrat
