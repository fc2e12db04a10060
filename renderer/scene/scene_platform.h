#pragma once
// What the scene code needs from the platform layer, handed in by each program's entry point
// (the Win32 window on Windows, an offscreen context in tests and the inspection tool).

#include <functional>

#include "renderer/bitmap/dib_image.h"
#include "renderer/scene/frame_clock.h"

namespace altostrat {

struct ScenePlatform {
    ClockSource clock;
    std::function<void()> swapBuffers;  // present the back buffer (loading screens)
    std::function<void*(const char* name)> getProcAddress;  // OpenGL extension entry points
    DibErrorReport showError;        // tells the user of a picture file that cannot be read
    bool waitForFramePeriod = true;  // off for offscreen rendering, which has no frame pace
    // Asked after each frame is drawn; true ends the flight before that frame is presented.
    // Empty: the flight never ends by itself.
    std::function<bool()> stopRequested;
    // Asked at every pass: true while the display is powered down. Nothing is drawn or presented
    // then, and the flight only advances. Empty: the display is always on.
    std::function<bool()> displayPoweredDown;
    // The local time of day in minutes since midnight (seconds as the fraction), which the sky
    // follows when the renderer is asked to. Empty: always midday.
    std::function<double()> localMinutes;
};

}  // namespace altostrat
