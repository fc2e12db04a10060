#pragma once
// The renderer's frame loop over one flight window: it empties the window thread's message queue
// before every pass and never waits on it, except while nothing is drawn (minimised, or the
// display off), when it waits for the next message or one frame period instead of spinning.

#include <cstdint>

#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"
#include "renderer/win32/renderer_window.h"

namespace altostrat {

// Runs until Escape, a close request, the foreground lost, or (with shared signals) another
// monitor's flight ending. SEED_OFFSET is added to the calendar time the flight reseeds its
// turns with, so that flights started together turn each their own way. The exit code: the
// quit request's, or 0.
int RunFrameLoop(RendererWindow& window, RendererState& state, ScenePlatform platform,
                 std::int64_t seedOffset);

}  // namespace altostrat
