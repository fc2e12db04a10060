#pragma once
// The ground's pixels between a photograph of the screen and the renderer's file. A photograph
// (the host's own and the keeper's alike) is the screen's copy as Windows makes it: blue, green,
// red, the top row first, rows padded to four bytes. The ground's pictures are laid, cut and
// judged as RgbPicture (red, green, blue, rows packed), and the renderer's file holds the
// bitmap's rows again (blue, green, red, the bottom row first, padded). Each way is turned here
// alone, row by row with the flight core's SwapRedAndBlue, which the renderer's reader uses too.

#include <cstdint>
#include <vector>

#include "common/picture_layout.h"
#include "common/screen_layout.h"

namespace altostrat {

// ROWS as the ground's picture.
RgbPicture PictureFromPhotograph(const BgrRows& rows);

// PICTURE's rows as a bitmap file holds them, each BmpRowBytes(width, 24) long, for Bmp24Bytes.
std::vector<std::uint8_t> BitmapRows(const RgbPicture& picture);

}  // namespace altostrat
