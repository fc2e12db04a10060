#pragma once
// One pass of the flight after the platform has handled its input: the steps of the flight that
// have fallen due are taken, a picture is drawn and presented. Every program that flies (the
// Windows renderer, the Linux program, the tool, the benchmarks, the tests) calls this, so they
// all fly the same way; frame_pacer.h decides the timing.
//
// A flight step is always the frame period's wrap of the position (KeepFlightInsidePeriod)
// followed by UpdateFlight, as when one step followed every picture: whatever the display, the
// flight passes through exactly the same states.

#include <cstdint>
#include <functional>

#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"

namespace altostrat {

// Whether a pass with the window in that state draws: the window is not minimised and the
// platform's display is not powered down. A pass that does not draw is not paced, so the
// platform waits for input instead of spinning.
bool PassDraws(bool windowActive, const ScenePlatform& platform);

// drawing is false while the window is minimised: nothing is drawn or waited for, but the
// flight still advances one step per pass and stays inside the terrain's period. The same holds
// while the platform's display is powered down, and then nothing is presented either. False
// when the flight must end: the platform asked to stop while the frame was drawn (or, in a pass
// that draws nothing, at all), and that frame is not presented. calendarSeconds goes to every
// step the pass takes.
bool RunFrameStep(RendererState& state, const ScenePlatform& platform, bool drawing,
                  std::int64_t calendarSeconds);

// The same pass with the drawing handed in, so that the pacing runs without OpenGL (the
// inspection tool's simulated display). draw stands for DrawFrame: it wraps the position and
// draws DrawnPose(state.pacer, state.flight).
using FrameDrawer = std::function<void(RendererState& state)>;
bool RunFrameStep(RendererState& state, const ScenePlatform& platform, bool drawing,
                  std::int64_t calendarSeconds, const FrameDrawer& draw);

// Several flights drawn side by side in one window, one pass for them all: the lead runs the
// pass, and each other flight (the follower) takes exactly as many steps as the lead has taken
// so far and is drawn at the same fraction of its latest step, so all move at the lead's even
// pace. Called before the follower is drawn, and after every pass so that none falls behind
// while nothing is drawn. calendarSeconds goes to every step the follower takes.
void FollowLeadFlight(RendererState& follower, const RendererState& lead,
                      std::int64_t calendarSeconds);

}  // namespace altostrat
