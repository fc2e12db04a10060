#pragma once
// Scene set-up and the flight scene drawn every frame.

#include <string>

#include "renderer_state.h"
#include "scene_platform.h"

namespace altostrat {

// The sky and fog colour.
constexpr float kClearColour[4] = {211.0f / 255.0f, 237.0f / 255.0f, 254.0f / 255.0f, 1.0f};

// Prepares everything the frames need: the multitexture decision, the three capture textures,
// the frame clock, fixed state, light, fog, the sky quadric, the terrain (behind a loading
// screen) and the aircraft display list. False, with nothing else done, when none of the three
// capture files could be loaded. Requires a current context with the projection set.
bool InitScene(RendererState& state, const ScenePlatform& platform);

// Loads one capture file into a new mipmapped texture; 0 when it cannot be read.
unsigned LoadCaptureTexture(const std::string& path, const ScenePlatform& platform);

// Presents what was drawn before, then draws the loading panel and a longer bar.
void DrawLoadingScreen(RendererState& state, const ScenePlatform& platform);

// Draws one frame of the flight into the back buffer and waits out the frame period.
// Always true.
bool DrawFrame(RendererState& state, const ScenePlatform& platform);

}  // namespace altostrat
