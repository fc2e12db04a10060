#pragma once
// The outputs' layer surfaces through the flight: every output covered at the start, each
// surface sized as the compositor configures it and shown black at once (nothing of the desktop
// shows while the scene is set up, and the compositor maps it and hands it the keyboard), an
// output plugged in covered, one taken away let go; and where each output stands with the
// compositor's frame callbacks (output_frames.h).

#include <vector>

#include "linux_program/wayland/output_frames.h"
#include "linux_program/wayland/wayland_screen.h"

namespace altostrat {

// Every output covered; waits for the compositor's configures, shows each black, and waits for
// the keyboard's enter (which tells the lead). False when the connection broke (screen.broken)
// or a surface cannot be made.
bool CoverOutputs(WaylandScreen& screen);

// Outputs that went lose their surfaces, and the flight goes on; new ones are covered. False
// when the compositor closed a surface while its output stays (the flight ends), or the
// connection broke (screen.broken).
bool TendOutputs(WaylandScreen& screen);

// Sizes the surfaces the compositor configured and makes their EGL surfaces, a fresh one shown
// black first. False when an EGL surface cannot be made.
bool PrepareOutputSurfaces(WaylandScreen& screen);

OutputFrame OutputFrameOf(const CoveredOutput& output);
std::vector<OutputFrame> OutputFrames(const WaylandScreen& screen);

}  // namespace altostrat
