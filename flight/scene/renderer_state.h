#pragma once
// Everything one running renderer owns beyond its window: created by the entry point, passed
// by reference, so a test can build a fresh one.

#include <cstdint>
#include <memory>
#include <string>

#include "common/agreement.h"
#include "common/screen_rect.h"
#include "flight/clock/clock_state.h"
#include "flight/display/monitor_flights.h"
#include "flight/gl/extension_probe.h"
#include "flight/gl/gl_headers.h"
#include "flight/model/ms3d_model.h"
#include "flight/motion/flight_model.h"
#include "flight/pacing/frame_clock.h"
#include "flight/pacing/frame_pacer.h"
#include "flight/sky/daylight_state.h"
#include "flight/terrain/crt_random.h"
#include "flight/terrain/terrain.h"

namespace altostrat {

// Texture names; 0 is "no picture", and that surface is drawn untextured.
struct SceneTextures {
    GLuint sky = 0;
    GLuint ground = 0;  // the desktop photograph
    GLuint glow = 0;
    // Slots that nothing fills: the terrain's fine layer and the loading-screen panel are
    // bound and given coordinates, and show untextured.
    GLuint fineGround = 0;
    GLuint panel = 0;
};

struct QuadricDeleter {
    void operator()(GLUquadric* quadric) const { gluDeleteQuadric(quadric); }
};
using QuadricPointer = std::unique_ptr<GLUquadric, QuadricDeleter>;

struct RendererState {
    // The folder of the three capture files, ending in its separator; read when the platform
    // names no picture source of its own.
    std::string captureFolder;
    // What the host asked for on the command line (defaults when started without arguments).
    RendererOptions options;
    // Set for a run the host started with a picture folder of its own: the flight then goes on
    // whichever pictures could be read, and a surface whose picture is missing is drawn plain
    // (the sky in the fog's colour, the ground in a plain land colour) rather than white.
    // Started alone, the renderer ends when it finds none of the three.
    bool flyWithoutPictures = false;
    // The part of the desktop photograph this flight flies over; empty: all of it. Set when
    // every monitor flies its own flight over its own part of the desktop.
    PictureSlice groundSlice;

    Ms3dModel aircraftModel;  // empty unless the platform loads one first (aircraft.h)
    FlightState flight;
    CrtRandom random;  // the terrain takes it from its start; the flight reseeds it later
    MultitextureState multitexture;  // probed once at scene set-up

    SceneTextures textures;
    HeightMap heightMap;
    QuadricPointer skyQuadric;  // lives as long as the renderer
    GLuint aircraftList = 0;
    float loadingProgress = 0.0f;
    float viewRange = 100.0f;  // fog end, and half the width of the terrain drawn
    DaylightState daylight;    // the colours the frames are drawn with (midday's unless asked)
    ClockState clock;          // the clock's text for the minute, when one is shown
    // Where in the viewport the clock keeps to, in pixels from its top-left corner: for one
    // flight across several monitors, the primary's part. Empty: the whole viewport.
    ScreenRect clockArea;

    FrameClock frameClock;
    FramePacer pacer;  // the flight's step schedule and what the frames draw of it
};

}  // namespace altostrat
