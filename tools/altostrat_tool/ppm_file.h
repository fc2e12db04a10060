#pragma once
// Pictures written as binary PPM files (P6), which every image viewer opens, for looking at
// what the renderer's readers produce.

#include <string>

#include "flight/bitmap/dib_image.h"

namespace altostrat::tool {

// Writes the picture top row first, as PPM orders its rows. False if the file cannot be written.
bool WritePpm(const std::string& path, const RgbImage& image);

}  // namespace altostrat::tool
