#include "renderer/scene/frame_step.h"

#include "renderer/scene/scene.h"

namespace altostrat {

namespace {

bool DisplayPoweredDown(const ScenePlatform& platform) {
    return platform.displayPoweredDown && platform.displayPoweredDown();
}

}  // namespace

bool PassDraws(bool windowActive, const ScenePlatform& platform) {
    return windowActive && !DisplayPoweredDown(platform);
}

bool RunFrameStep(RendererState& state, const ScenePlatform& platform, bool drawing,
                  std::int64_t calendarSeconds) {
    const bool poweredDown = DisplayPoweredDown(platform);
    if (drawing && !poweredDown) {
        DrawFrame(state, platform);
    } else {
        KeepFlightInsidePeriod(state.flight);
    }
    if (platform.stopRequested && platform.stopRequested()) {
        return false;
    }
    if (platform.swapBuffers && !poweredDown) {
        platform.swapBuffers();
    }
    UpdateFlight(state.flight, state.random, calendarSeconds);
    return true;
}

}  // namespace altostrat
