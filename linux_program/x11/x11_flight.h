#pragma once
// The flight on X11 and GLX. It takes the ground's picture into memory first (the user's own
// picture, or the desktop photographed before anything is shown, or fetched through
// xscreensaver's helper as a hack; its own ground where there is none), opens its window
// (x11_window.h), and hands the scene set-up that picture with the built-in sky and glow from
// memory: nothing of a run is ever written to disk. Then it runs the frame loop until Escape (or
// a click in an XWayland window), a stop signal, or the end of the window it was given. With
// "--each-monitor", each monitor the window covers shows a flight of its own over its own part
// of that picture (monitor_viewports.h), the run's flights led by the first (run/flight_set.h).

namespace altostrat {

struct HackOptions;

// One flight as OPTIONS ask; MANAGED: standalone on a Wayland desktop, in a full-screen window
// the compositor manages. Exit code 0 after a flight, also one ended by a stop signal; 1 when it
// could not start. Everything it opened is closed when it returns.
int RunX11Flight(const HackOptions& options, bool managed);

}  // namespace altostrat
