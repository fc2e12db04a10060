#pragma once
// Scene set-up and per-frame drawing of the flight.

#include "renderer_state.h"
#include "scene_platform.h"

namespace altostrat {

// The sky and fog colour.
constexpr float kClearColour[4] = {211.0f / 255.0f, 237.0f / 255.0f, 254.0f / 255.0f, 1.0f};

// Prepares everything the frames need; false when the scene cannot be shown at all.
// Requires a current rendering context with the projection set by ResizeScene.
bool InitScene(RendererState& state, const ScenePlatform& platform);

// Draws one frame into the back buffer and waits out the frame period; true to go on.
bool DrawFrame(RendererState& state, const ScenePlatform& platform);

}  // namespace altostrat
