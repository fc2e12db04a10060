#pragma once
// The ground the flight goes over on Wayland, taken before any surface is shown: the user's
// "--picture", filled over all the outputs as one, or else the desktop photographed output by
// output and laid in the outputs' logical layout (capture/), or else nothing, and the flight
// goes over the program's own ground. Either way the picture covers the bounding box of the
// outputs in the compositor's logical coordinates, so each output's part of it is that output's
// rectangle.

#include <memory>

#include "common/screen_rect.h"
#include "flight/bitmap/dib_image.h"
#include "linux_program/wayland/wayland_screen.h"

namespace altostrat {

struct HackOptions;

struct DesktopGround {
    std::unique_ptr<RgbImage> image;  // rows bottom first; null: the program's own ground
    ScreenRect logical;               // what IMAGE covers, in logical coordinates
};

// Asks nothing of the compositor's that could show a surface. Stops early, with no image, once
// a stop signal has come.
DesktopGround TakeDesktopGround(WaylandScreen& screen, const HackOptions& options);

// The whole ground for the one flight across the outputs, handed over.
std::unique_ptr<RgbImage> TakeWholeGround(DesktopGround& ground);

// The part of the ground under OUTPUT (logical); null where there is no image or the output
// lies outside it (one plugged in after the photograph).
std::unique_ptr<RgbImage> CutGround(const DesktopGround& ground, const ScreenRect& output);

}  // namespace altostrat
