#pragma once
// The three pictures of a run never touch the disk: the scene set-up takes them from memory
// through the picture source made here. The sky and glow are decoded from the program's own
// bytes; the ground is the picture the run holds (the desktop's photograph or the user's own
// picture), handed over once and let go as soon as it is a texture, or the program's own ground
// of fields, woods and water when it holds none.

#include <cstdint>
#include <memory>
#include <vector>

#include "common/picture_layout.h"
#include "flight/scene/scene_platform.h"

namespace altostrat {

// A picture of the desktop as X gives it: blue, green, red, width * 3 bytes to a row, the
// bottom row first. No rows: no picture of the desktop could be had, or the user's settings
// do not allow one.
struct DesktopPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rows;
};

// The ground for the scene, taking the desktop's rows over; null when there are none.
std::unique_ptr<RgbImage> GroundFromDesktop(DesktopPicture&& picture);

// The ground for the scene from a picture laid over the screen (top row first); null when it
// has no pixels.
std::unique_ptr<RgbImage> GroundFromPicture(RgbPicture&& picture);

// The run's picture source: the built-in sky and glow, and GROUND (or the own ground for null),
// which the source hands out once.
PictureSource HeldPictures(std::unique_ptr<RgbImage> ground, const DibErrorReport& report);

}  // namespace altostrat
