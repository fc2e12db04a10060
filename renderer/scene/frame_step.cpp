#include "renderer/scene/frame_step.h"

#include "renderer/scene/scene.h"

namespace altostrat {

bool RunFrameStep(RendererState& state, const ScenePlatform& platform, bool drawing,
                  std::int64_t calendarSeconds) {
    if (drawing) {
        DrawFrame(state, platform);
    } else {
        KeepFlightInsidePeriod(state.flight);
    }
    if (platform.stopRequested && platform.stopRequested()) {
        return false;
    }
    if (platform.swapBuffers) {
        platform.swapBuffers();
    }
    UpdateFlight(state.flight, state.random, calendarSeconds);
    return true;
}

}  // namespace altostrat
