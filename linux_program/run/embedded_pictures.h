#pragma once
// The host's built-in sky and glow pictures (assets/sky.bmp, assets/glow.bmp) and the Linux
// program's own ground (assets/ground.bmp), built into the program as bitmap file bytes so that
// it needs no data files.

#include <cstddef>

namespace altostrat {

extern const unsigned char kSkyBmp[];
extern const std::size_t kSkyBmpSize;
extern const unsigned char kGlowBmp[];
extern const std::size_t kGlowBmpSize;
extern const unsigned char kGroundBmp[];
extern const std::size_t kGroundBmpSize;

}  // namespace altostrat
