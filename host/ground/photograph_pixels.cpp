#include "host/ground/photograph_pixels.h"

#include <cstring>

#include "common/bmp_writer.h"
#include "flight/bitmap/swap_red_blue.h"

namespace altostrat {

RgbPicture PictureFromPhotograph(const BgrRows& rows) {
    RgbPicture picture{rows.width, rows.height, {}};
    const std::size_t packed = static_cast<std::size_t>(rows.width) * 3;
    picture.pixels.resize(packed * static_cast<std::size_t>(rows.height));
    for (int y = 0; y < rows.height; ++y) {
        std::uint8_t* out = picture.pixels.data() + packed * static_cast<std::size_t>(y);
        std::memcpy(out, rows.rows + rows.stride * static_cast<std::size_t>(y), packed);
        SwapRedAndBlue(out, static_cast<std::size_t>(rows.width));
    }
    return picture;
}

std::vector<std::uint8_t> BitmapRows(const RgbPicture& picture) {
    const std::size_t packed = static_cast<std::size_t>(picture.width) * 3;
    const std::size_t stride = BmpRowBytes(picture.width, 24);
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* out = rows.data() + stride * static_cast<std::size_t>(picture.height - 1 - y);
        std::memcpy(out, picture.pixels.data() + packed * static_cast<std::size_t>(y), packed);
        SwapRedAndBlue(out, static_cast<std::size_t>(picture.width));
    }
    return rows;
}

}  // namespace altostrat
