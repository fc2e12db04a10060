#pragma once
// The outputs' photographs laid into one picture of the desktop as the user sees it. Each output
// is photographed in its own physical pixels, in the orientation of its buffer: a rotated or
// flipped output (wl_output's transform, which the compositor applied when it drew the buffer)
// comes sideways or mirrored, and some photographs come bottom row first ("y-inverted"). The
// outputs stand in the compositor's logical layout (xdg-output), in which an output at scale 2
// covers half its pixels. The picture covers the layout's bounding box at one scale, the largest
// of the outputs' (so a high-density output keeps its detail and a plain one beside it is
// enlarged), unless that would make a side longer than the texture the ground becomes can be;
// each photograph is then turned upright and scaled into its output's place, and what no output
// covers stays black.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/picture_layout.h"
#include "common/screen_rect.h"
#include "linux_program/wayland/capture/shot_formats.h"
#include "linux_program/wayland/output/output_transform.h"

namespace altostrat {

struct OutputPlace {
    ScreenRect logical;     // where the output lies in the compositor's logical layout
    int physicalWidth = 0;  // its size in pixels, upright (as the user sees it)
    int physicalHeight = 0;
};

struct CanvasPlan {
    ScreenRect logical;  // the bounding box of the outputs; empty for none
    int width = 0;       // the picture's size in pixels
    int height = 0;
    std::vector<ScreenRect> outputs;  // each output's place in the picture, in OUTPUTS' order
};

// The picture for OUTPUTS, no side longer than MAX_SIDE. Outputs with an empty logical
// rectangle get an empty place.
CanvasPlan PlanCanvas(const std::vector<OutputPlace>& outputs, int maxSide);

// One photograph as the compositor delivered it.
struct ShotPixels {
    int width = 0;  // the buffer's
    int height = 0;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;  // bytes readable at DATA
    std::size_t stride = 0;
    ShotFormat format = ShotFormat::kUnknown;
    bool yInverted = false;  // rows bottom first
    int transform = kTransformNormal;
};

// SHOT, upright, scaled into AREA of CANVAS (red, green, blue, top row first; clipped to it).
// False, with nothing drawn, for an unknown format, a transform outside 0..7 or bytes that do
// not hold the buffer.
bool LayShot(const ShotPixels& shot, const ScreenRect& area, RgbPicture& canvas);

}  // namespace altostrat
