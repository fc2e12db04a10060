// A plain sky-coloured frame at the right pace: the window, the frame loop and the flight model
// run on it until the terrain, sky and glow are drawn here.
#include "scene.h"

#include "gl_headers.h"

namespace altostrat {

bool InitScene(RendererState& state, const ScenePlatform& platform) {
    StartFrameClock(state.frameClock, platform.clock);
    glClearColor(kClearColour[0], kClearColour[1], kClearColour[2], kClearColour[3]);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    return true;
}

bool DrawFrame(RendererState& state, const ScenePlatform& platform) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (platform.waitForFramePeriod) {
        WaitFramePeriod(state.frameClock, platform.clock, state.lastFrameEnd);
    }
    return true;
}

}  // namespace altostrat
