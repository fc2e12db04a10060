#pragma once
// The window the flight is drawn in, and its GLX context.
//
// Standalone, it is an override-redirect window over the whole screen that holds the keyboard
// (so Escape reaches it whatever had the focus) and hides the pointer; giving the screen back
// means destroying that window and releasing the grab, after which the server shows the
// desktop and the pointer as they were. It follows the screen's size when that changes. When
// the keyboard cannot be had, the program ends instead: a window over the whole screen that
// Escape cannot close would leave the user no way out.
//
// On a Wayland desktop the X server is the compositor's XWayland, which need not hand the
// keyboard to an override-redirect window at all (and may report a grab as taken while keys go
// elsewhere). There the window is an ordinary one that asks the window manager for the full
// screen (_NET_WM_STATE_FULLSCREEN), so the compositor maps it over the output and focuses it,
// and with several monitors to span them all (fullscreen_monitors.h): on GNOME one window over
// every monitor and the top bar. Escape or a click of any mouse button ends the flight.
//
// With "--root" and no window from xscreensaver, the flight is drawn on the root window itself,
// as xscreensaver's hacks do; nothing is grabbed, a stop signal ends it, and the root window's
// own background is shown again afterwards.
//
// As a hack given a window, the flight is drawn in a child window of ours that fills it: the
// given window may have any visual, while the child has the double-buffered RGBA visual with
// depth that GLX needs. The child follows the given window's size, and the flight ends, with no
// further drawing, when that window is destroyed. The keyboard belongs to the given window's
// owner (xscreensaver's preview, its lock dialog): keys are not selected on the child, so they
// go on to the window given.

#include <X11/Xlib.h>

#include <GL/glx.h>

#include "linux_program/options/hack_options.h"
#include "linux_program/x11/display_power.h"

namespace altostrat {

struct X11Window {
    Display* display = nullptr;
    FlightTarget target = FlightTarget::kStandalone;
    bool managed = false;  // standalone on a Wayland desktop: a full-screen managed window
    int screen = 0;        // the screen of the parent window
    Window parent = 0;     // the root window, or the window given
    Window window = 0;     // drawn into: ours, or the root window itself
    bool ownWindow = false;
    Colormap colormap = 0;
    Cursor blankCursor = 0;
    GLXContext context = nullptr;
    int width = 0;
    int height = 0;
    bool keyboardGrabbed = false;
    bool escapeTapped = false;  // Escape went down since the frame loop last looked
    bool clicked = false;       // a mouse button went down (managed window only)
    bool parentGone = false;
    bool resized = false;  // width and height changed since the frame loop last looked
    DisplayPower power;    // standalone only
};

// Opens the display and finds the window to draw in (parent, its screen and size); flight.managed
// is set before. False, with a message on stderr, when there is no display or the given window
// does not exist.
bool OpenFlightTarget(X11Window& flight, const HackOptions& options);

// Creates our window (or takes the root window) and a current GLX context in it, shows it, and
// in standalone mode grabs the keyboard and hides the pointer. False, with a message on stderr,
// when no visual, context or keyboard grab can be had, or when a stop signal came meanwhile;
// the caller then runs CloseFlightWindow.
bool OpenFlightWindow(X11Window& flight);

// Handles every event waiting, without blocking.
void PumpFlightEvents(X11Window& flight);

// Releases the context, the grab, the window and the display, after the server's blanking
// settings are restored. Safe with any of them missing.
void CloseFlightWindow(X11Window& flight);

}  // namespace altostrat
