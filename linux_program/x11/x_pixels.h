#pragma once
// Pixels as X delivers them in an XImage (ZPixmap, top row first), in any of the layouts of a
// TrueColor visual: 16, 24 or 32 bits to a pixel, either byte order, channels where the masks
// say. Turned into the rows of a 24-bit bitmap, as the capture file wants them.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace altostrat {

struct XPixels {
    int width = 0;
    int height = 0;
    const std::uint8_t* data = nullptr;
    std::size_t bytesPerLine = 0;
    int bitsPerPixel = 0;  // 16, 24 or 32 are taken
    bool msbFirst = false;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
};

// Blue, green, red bytes, width * 3 to a row, bottom row first; each channel scaled to 0..255.
// False, with rows untouched, for a layout not taken or lines too short for the width.
bool ConvertXPixels(const XPixels& pixels, std::vector<std::uint8_t>& rows);

}  // namespace altostrat
