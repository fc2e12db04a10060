#pragma once
// The paper glider the camera chases (assets/glider.ms3d), built into the program as the bytes
// of its MilkShape file, as the sky and glow pictures are, so that it needs no data files.

#include <cstddef>

namespace altostrat {

extern const unsigned char kGliderMs3d[];
extern const std::size_t kGliderMs3dSize;

}  // namespace altostrat
