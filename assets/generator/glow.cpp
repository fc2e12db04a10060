// The sun glow: grey 160 at the point (126.5, 126.5), measured in pixels from the top-left
// corner, falling linearly with the distance to 0 at a radius of 115 and 0 beyond; 8-bit with a
// grey-ramp palette (entry n is red n, green n, blue n), as the renderer's glow texture expects.
#include <cmath>

#include "assets/generator/picture.h"

namespace altostrat::assets {

bool MakeGlow(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    constexpr int kSize = 256;
    constexpr double kCentre = 126.5;
    constexpr double kRadius = 115.0;
    constexpr double kPeak = 160.0;
    picture.indexed = true;
    Indexed8Picture& glow = picture.palette8;
    glow.width = kSize;
    glow.height = kSize;
    glow.indices.assign(kSize * kSize, 0);
    for (int n = 0; n < 256; ++n) {
        const auto grey = static_cast<std::uint8_t>(n);
        glow.palette[n] = {grey, grey, grey};
    }
    for (int top = 0; top < kSize; ++top) {
        const int row = kSize - 1 - top;  // the file holds the bottom row first
        for (int x = 0; x < kSize; ++x) {
            const double distance = std::hypot(x - kCentre, top - kCentre);
            const double level = distance >= kRadius ? 0.0 : kPeak * (1.0 - distance / kRadius);
            glow.indices[row * kSize + x] = static_cast<std::uint8_t>(std::lround(level));
        }
    }
    return true;
}

}  // namespace altostrat::assets
