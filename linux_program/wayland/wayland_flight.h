#pragma once
// The flight natively on a Wayland desktop whose compositor offers wlroots' layer shell. The
// desktop is photographed first (capture/), before anything of the flight is shown; then every
// output is covered by a layer surface of its own above everything (layer_surfaces.h), drawn
// with one EGL context (egl_outputs.h). By default one flight spans the outputs: each shows its
// part of one view from one camera (flight/display/panorama.h), the aircraft at the centre of
// the output the compositor gives the keyboard to, else of the first. With "--each-monitor"
// every output flies a flight of its own over its own part of the desktop, all at the pace of
// the first (run/flight_set.h). An output plugged in meanwhile is covered at once; one taken
// away closes its surface and the flight goes on. Drawing follows each surface's frame
// callbacks (output_frames.h).
//
// It ends as a screen saver ends: a key, a pointer button, the pointer moved more than a few
// pixels, the compositor closing the surfaces or going away, or a stop signal (within a second,
// also while photographing; during the scene set-up, which reads no flag, the process ends at
// once). Before it returns every surface and EGL object it made is destroyed and the compositor
// has seen that, so nothing of the flight is left on any output.

#include <functional>

struct wl_display;

namespace altostrat {

struct HackOptions;

enum class WaylandFlightEnd {
    kInput,           // a key, a button, the pointer moved: the user is back
    kEndNow,          // the caller's endNow answered true
    kStopSignal,      // SIGTERM, SIGINT or SIGHUP
    kSurfaceClosed,   // the compositor closed a surface of an output that is still there
    kCompositorGone,  // the connection broke: DISPLAY must not be used again
    kCouldNotStart,   // no layer shell, no EGL, no output: nothing was shown
};

// One flight on every output of DISPLAY (connected; the caller keeps and closes it). ENDNOW,
// which may be empty, is asked between pictures and after every dispatch of the default queue.
WaylandFlightEnd RunWaylandFlight(wl_display* display, const HackOptions& options,
                                  const std::function<bool()>& endNow);

}  // namespace altostrat
