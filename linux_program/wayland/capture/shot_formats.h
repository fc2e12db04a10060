#pragma once
// The pixel layouts an output's photograph arrives in. A Wayland compositor names them by
// wl_shm format: 0 and 1 for 32-bit ARGB and XRGB, otherwise DRM's four-character codes, each
// describing one little-endian word (so XRGB8888 lies in memory as blue, green, red, pad). A
// compositor drawing in 10 bits a channel hands out its 2-10-10-10 layouts; 16 bits a channel
// and 5-6-5 occur too. KWin's D-Bus photograph instead names a Qt image format by its number;
// each of those that a screen can give is one of the layouts here. Alpha is never read: a
// photograph of a screen is opaque, and premultiplied pixels of an opaque picture are plain.

#include <cstddef>
#include <cstdint>

namespace altostrat {

enum class ShotFormat {
    kUnknown,
    kXrgb8888,      // bytes B G R x
    kXbgr8888,      // bytes R G B x
    kRgbx8888,      // bytes x B G R
    kBgrx8888,      // bytes x R G B
    kRgb888,        // bytes B G R
    kBgr888,        // bytes R G B
    kRgb565,        // one 16-bit word: R 5, G 6, B 5 from the top
    kXrgb2101010,   // one word: x 2, R 10, G 10, B 10 from the top
    kXbgr2101010,   // one word: x 2, B 10, G 10, R 10 from the top
    kRgbx1010102,   // one word: R 10, G 10, B 10, x 2 from the top
    kBgrx1010102,   // one word: B 10, G 10, R 10, x 2 from the top
    kXbgr16161616,  // four 16-bit words: R G B x
};

// The layout of a wl_shm format code; kUnknown for one not taken (YUV, floating point, ...).
ShotFormat ShotFormatFromShm(std::uint32_t format);

// The layout of a Qt image format number as KWin reports it; kUnknown for one not taken.
ShotFormat ShotFormatFromQtImage(std::uint32_t format);

// Bytes to a pixel; 0 for kUnknown.
int ShotBytesPerPixel(ShotFormat format);

// Red, green and blue of the pixel at PIXEL, each scaled to 0..255 (rounded).
void ReadShotPixel(ShotFormat format, const std::uint8_t* pixel, std::uint8_t rgb[3]);

}  // namespace altostrat
