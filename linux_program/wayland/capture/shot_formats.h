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

// Sizes come from the compositor (its buffer's, KWin's answer) and are checked before memory is
// taken for them, in 64-bit arithmetic: a product of two of them overflows an int.
//
// The longest side of one output's photograph taken at all: more than any screen made (16K is
// 15360 wide), and its shared memory at 4 bytes a pixel (1 GiB) still fits wl_shm's signed 32-bit
// pool size.
constexpr int kShotMostSide = 16384;

// The padding a row may carry beyond its pixels: compositors align rows to a few dozen bytes, a
// graphics card's buffers to 256 at most.
constexpr std::int64_t kShotMostRowPadding = 256;

// The bytes of a row of WIDTH pixels in FORMAT; 0 for a width outside 1..kShotMostSide or an
// unknown format.
std::int64_t ShotRowBytes(int width, ShotFormat format);

// The bytes a WIDTH x HEIGHT photograph of STRIDE bytes a row in FORMAT fills (STRIDE x HEIGHT),
// or 0 when it is refused: a side outside 1..MOST_SIDE (the output's longest side; 0 or more
// than kShotMostSide: kShotMostSide), a stride shorter than a row of its pixels or longer than a
// row of MOST_SIDE pixels with its padding.
std::int64_t ShotBytes(int width, int height, std::int64_t stride, ShotFormat format, int mostSide);

// Red, green and blue of the pixel at PIXEL, each scaled to 0..255 (rounded).
void ReadShotPixel(ShotFormat format, const std::uint8_t* pixel, std::uint8_t rgb[3]);

}  // namespace altostrat
