#pragma once
// The display's power, standalone. The X server's own blanking would cover a long flight after
// its timeout, so while the flight runs the core screen saver's timeout is 0 (the value "xset s
// off" sets), and the old settings come back when it ends, unless someone changed them in the
// meantime. Nothing else is touched: resetting the screen saver, or suspending it through its
// extension, would also hold off the display's power saving (DPMS), whose timers go on running
// from the last input as they do over any other program.
//
// While DPMS reports the display in standby, suspended or off, nothing is drawn: the state is
// asked twice a second, and a pass that draws nothing waits for the next X event for up to a
// tenth of a second, so the program all but sleeps until the display is woken.

#include <X11/Xlib.h>

#include <chrono>

namespace altostrat {

struct DisplayPower {
    bool dpms = false;  // the server has the extension and the display can save power
    bool poweredDown = false;
    std::chrono::steady_clock::time_point nextQuestion{};
    bool blankingSaved = false;
    int timeout = 0;  // the core screen saver's settings before the flight
    int interval = 0;
    int preferBlanking = 0;
    int allowExposures = 0;
};

// Keeps the server's blanking away and starts watching DPMS.
void WatchDisplayPower(Display* display, DisplayPower& power);

// The blanking settings as they were. Safe to call when nothing was changed.
void RestoreServerBlanking(Display* display, DisplayPower& power);

// True while the display is powered down (asked of the server at most twice a second).
bool DisplayPoweredDown(Display* display, DisplayPower& power);

// Waits for the next X event, for a tenth of a second at most: a pass that draws nothing is not
// paced by its frames, and must not spin.
void WaitForXEvents(Display* display);

}  // namespace altostrat
