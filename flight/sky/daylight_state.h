#pragma once
// What the sky that follows the clock keeps from one minute to the next: the colours the frames
// are drawn with, the minute they were made for, and the parts of its pictures worked out once.

#include <vector>

#include "flight/sky/daylight.h"
#include "flight/sky/daylight_pictures.h"

namespace altostrat {

struct DaylightState {
    DaylightColours colours = MiddayColours();  // what the frames are drawn with
    int minute = -1;      // the local minute they were made for; -1 before the first
    SkyTexels skyTexels;  // where the sky picture's texels land, worked out once
    std::vector<SkyStar> stars;
};

// The sky picture's size in texels (square).
constexpr int kDaylightSkySize = 512;

}  // namespace altostrat
