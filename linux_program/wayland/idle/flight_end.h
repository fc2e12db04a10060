#pragma once
// How a flight on Wayland ended: what the flight reports to whoever started it, and what the
// idle loop decides by whether to wait for the next idle time or end.

namespace altostrat {

enum class WaylandFlightEnd {
    kInput,           // a key, a button, pointer motion beyond a few pixels: the user is back
    kEndNow,          // the caller's endNow() answered true (the idle loop's "resumed")
    kStopSignal,      // SIGTERM, SIGINT or SIGHUP
    kSurfaceClosed,   // the compositor closed every layer surface
    kCompositorGone,  // the connection broke: the display must not be used again
    kCouldNotStart,   // no layer shell, no EGL, no output: nothing was shown
};

}  // namespace altostrat
