#pragma once
// Scene set-up and the flight scene drawn every frame.
//
// Flow of control. A platform (renderer/win32 for the Windows program, linux_program/x11 for the
// Linux program, tools/offscreen for the tool, the tests and the benchmarks) creates a window or
// context, sets the projection with ResizeScene and fills a ScenePlatform; it may load the aircraft
// (aircraft.h). Once: InitScene probes for multitexturing, loads the three pictures from the
// platform's picture source (the capture files unless it names another) as textures, starts the
// frame clock, sets the fixed GL state and builds the terrain and the aircraft list behind
// DrawLoadingScreen. Per frame, after the platform has handled its input: RunFrameStep
// (frame_step.h) advances the flight by the steps that have fallen due (UpdateFlight,
// flight_model.h), calls DrawFrame, waits for the clock where the display does not pace the
// loop (frame_pacer.h), asks the platform whether to stop and presents the frame. All state
// lives in RendererState.

#include <string>

#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"

namespace altostrat {

// Prepares everything the frames need: the multitexture decision, the three capture textures,
// the frame clock, fixed state, light, fog, the sky quadric, the terrain (behind a loading
// screen) and the aircraft display list. Tells the platform once the pictures are textures.
// False, with nothing else done, when none of the three capture files could be loaded, unless
// the state flies without pictures. Requires a current context with the projection set.
bool InitScene(RendererState& state, const ScenePlatform& platform);

// Loads one capture file into a new mipmapped texture; 0 when it cannot be read. With a SLICE,
// only that part of the picture.
unsigned LoadCaptureTexture(const std::string& path, const ScenePlatform& platform,
                            const PictureSlice& slice = {});

// The picture source that reads the capture files in FOLDER (ending in its separator), as the
// host leaves them; a file that is missing yields nothing quietly, one that cannot be read is
// reported.
PictureSource CaptureFilePictures(const std::string& folder, const DibErrorReport& report);

// Presents what was drawn before, then draws the loading panel and a longer bar.
void DrawLoadingScreen(RendererState& state, const ScenePlatform& platform);

// Moves the flight's position back by one terrain period when it has left (-period, 0], so
// that it never grows out of the float's precision however long the flight lasts.
void KeepFlightInsidePeriod(FlightState& flight);

// Draws one frame of the flight into the back buffer: the pose the frame pacer chose
// (DrawnPose), the position first kept inside the terrain's period.
void DrawFrame(RendererState& state, const ScenePlatform& platform);

}  // namespace altostrat
