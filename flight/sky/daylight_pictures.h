#pragma once
// The sky and glow pictures the renderer makes itself when its sky follows the clock.
//
// The sky picture is wrapped round the sky sphere by the quadric's own texture coordinates,
// and the sphere is turned a quarter round a slanted axis, so the picture's rows are not the
// sky's heights: overhead lies a quarter of the way up the picture, and all the camera ever sees
// of the sky is a small patch around that point, on the few flat facets of the sphere nearest
// to it. So each texel is placed where it lands on those facets, seen from the camera just under
// the sphere's top; that gives its height above the horizon and its bearing from the glow.
// These never change and are worked out once; each new minute only mixes its colours by them.

#include <cstdint>
#include <vector>

#include "flight/bitmap/dib_image.h"
#include "flight/sky/daylight.h"

namespace altostrat {

// Where each texel of the sky picture lands in the sky, as weights for the colours.
struct SkyTexels {
    int size = 0;                // the picture is size x size texels
    std::vector<float> height;   // 0 at and below the horizon to 1 high overhead
    std::vector<float> sunward;  // how much the horizon's colour turns to the sun's side
};

// One star: its direction in the sky sphere's frame (y up), and how it shines.
struct SkyStar {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float brightness = 0.0f;  // 0 to 1, at the night's full starlight
    float warmth = 0.0f;      // -0.5 bluish to 0.5 yellowish
};

// Works out the texels of a sky picture of size x size (a power of two).
SkyTexels MakeSkyTexels(int size);

// The sky picture for those colours, rows bottom first as the bitmap reader gives them.
// Stars are not in it: the picture is spread so thinly over the visible sky (a texel covers
// some ten pixels or more) that a star in it would show as a blur; they are drawn as points.
RgbImage MakeSkyPicture(const SkyTexels& texels, const DaylightColours& colours);

// The night's stars, the same every run: scattered evenly above the horizon.
std::vector<SkyStar> MakeStars();

// The glow picture: grey, the sun's soft cone or the moon's disc with its faint halo as the
// colours' moon says; its colour comes from the glow's colour when it is drawn. With moon 0 it
// is the host's glow picture pixel for pixel.
RgbImage MakeGlowPicture(const DaylightColours& colours);

}  // namespace altostrat
