#pragma once
// What the scene code needs from the platform layer, handed in by each program's entry point
// (the Win32 window on Windows, an offscreen context in tests and the inspection tool).

#include <functional>
#include <memory>

#include "common/agreement.h"
#include "common/clock_format.h"
#include "flight/bitmap/dib_image.h"
#include "flight/pacing/frame_clock.h"

namespace altostrat {

// Yields one of the three pictures (sky, desktop, glow) ready for a texture, or null when it
// cannot be had (the source has told the user why, if it should).
using PictureSource = std::function<std::unique_ptr<RgbImage>(CapturePicture picture)>;

struct ScenePlatform {
    ClockSource clock;
    std::function<void()> swapBuffers;  // present the back buffer (loading screens)
    std::function<void*(const char* name)> getProcAddress;  // OpenGL extension entry points
    DibErrorReport showError;  // tells the user of a picture file that cannot be read
    // Where the scene set-up takes its three pictures. Empty: the capture files in
    // RendererState::captureFolder, as the host leaves them (CaptureFilePictures).
    PictureSource pictures;
    // Called once the scene set-up has tried the three pictures, as soon as the textures are
    // made and before anything is drawn: from then on the pictures are no longer needed.
    // Empty: nothing happens to them.
    std::function<void()> picturesLoaded;
    bool waitForFramePeriod = true;  // off for offscreen rendering, which has no frame pace
    // Asked after each frame is drawn; true ends the flight before that frame is presented.
    // Empty: the flight never ends by itself.
    std::function<bool()> stopRequested;
    // Asked at every pass: true while the display is powered down. Nothing is drawn or presented
    // then, and the flight only advances. Empty: the display is always on.
    std::function<bool()> displayPoweredDown;
    // Asks for presenting in step with the display's refresh (a swap interval of 1), once, with
    // the context current; true when the platform agreed. Whether presenting then really waits
    // is measured (frame_pacer.h). Empty: the platform offers no such thing.
    std::function<bool()> presentWithRefresh;
    // The display's refresh rate in Hz as the system reports it; 0 when it does not tell.
    // Empty: unknown.
    std::function<double()> refreshRate;
    // True while the machine runs on battery power, when the flight spaces out its pictures
    // (frame_pacer.h). Asked every few seconds while the flight is drawn, not at every pass.
    // Empty: always on mains.
    std::function<bool()> onBattery;
    // The local time of day in minutes since midnight (seconds as the fraction), which the sky
    // follows when the renderer is asked to. Empty: always midday.
    std::function<double()> localMinutes;
    // The user's time format for the clock, read once at the scene set-up. Empty: the C
    // library's, from the environment (system_clock_format.h).
    std::function<ClockFormat()> clockFormat;
};

}  // namespace altostrat
