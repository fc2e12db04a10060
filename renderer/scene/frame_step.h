#pragma once
// One pass of the flight after the platform has handled its input: the frame is drawn (with
// the wait for the frame period), presented, and the flight advances one step. Every program
// that flies (the Windows renderer, the tool, the benchmarks, the tests) calls this, so they
// all fly the same way.

#include <cstdint>

#include "renderer/scene/renderer_state.h"
#include "renderer/scene/scene_platform.h"

namespace altostrat {

// Whether a pass with the window in that state draws: the window is not minimised and the
// platform's display is not powered down. A pass that does not draw is not paced by the frame
// period, so the platform waits for input instead of spinning.
bool PassDraws(bool windowActive, const ScenePlatform& platform);

// drawing is false while the window is minimised: nothing is drawn or waited for, but the
// flight still advances and stays inside the terrain's period. The same holds while the
// platform's display is powered down, and then nothing is presented either. False when the
// flight must end: the platform asked to stop while the frame was drawn (or, in a pass that
// draws nothing, at all), and that frame is not presented.
bool RunFrameStep(RendererState& state, const ScenePlatform& platform, bool drawing,
                  std::int64_t calendarSeconds);

}  // namespace altostrat
