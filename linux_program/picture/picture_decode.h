#pragma once
// A picture of the user's own, JPEG or PNG, decoded from bytes in memory by the system's
// libjpeg-turbo and libpng. Nothing beyond the screen's need is decoded: a JPEG is reduced
// while it is decoded (by 1/2, 1/4 or 1/8, the smallest reduction still at least the size
// worth decoding), and a picture that would still hold more than kMaxDecodedPixels is refused
// before any pixel is made, as PNG cannot be reduced. A corrupt or cut-off picture is refused
// whole, never shown half grey.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/picture_layout.h"

namespace altostrat {

// About 8192 x 8192: a photograph far beyond any screen, and the most kept in memory at once.
constexpr std::int64_t kMaxDecodedPixels = std::int64_t{8192} * 8192;

struct PictureDecode {
    RgbPicture picture;  // no pixels when refused
    std::string error;   // why it was refused, in a few words; empty when decoded
};

// data[0, size) is the whole file. NEED is the screen's size; the picture will be laid over it
// as "fill" lays it.
PictureDecode DecodePictureBytes(const std::uint8_t* data, std::size_t size, PictureSize need);

}  // namespace altostrat
