#pragma once
// The aircraft the flight follows, given to the renderer by its platform: the Windows program
// reads the model file beside it, the Linux program carries the model inside itself, the
// inspection tool takes one from its command line.
//
// Call between creating the renderer's state and InitScene: the scene set-up creates the
// model's material textures and records the aircraft display list from it. Only the file is
// read here, so no rendering context is needed yet. When nothing is loaded, or loading fails,
// the model stays empty and the scene is the one without an aircraft, frame for frame.

#include <cstddef>
#include <cstdint>
#include <string>

#include "flight/scene/renderer_state.h"

namespace altostrat {

// From a MilkShape 3D file (version 3 or 4). False, with the model empty, for a file that is
// missing, unreadable or no such model; false, with the model untouched, once the scene has
// been set up, as the display list is then already recorded.
bool LoadAircraftFile(RendererState& state, const std::string& path);

// The same from a whole model file held in memory.
bool LoadAircraftBytes(RendererState& state, const std::uint8_t* data, std::size_t size);

}  // namespace altostrat
