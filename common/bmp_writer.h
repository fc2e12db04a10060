#pragma once
// Writes Windows bitmap files for the renderer to read: uncompressed, bottom-up, every row padded
// to a multiple of 4 bytes (a 1366-pixel row of 24-bit pixels is 4098 bytes on disk, 4100 with
// its padding). A file is written under a temporary name beside the target and only then moved
// over it, so the renderer never finds a half-written picture: after a failed write the old file,
// if any, is still there whole.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace altostrat {

// 24-bit pixels as Windows lays them out in a bottom-up DIB: blue, green, red; the bottom row
// first; rows `stride` bytes apart (at least width * 3; a DIB section's own rows are padded to 4).
struct Bgr24View {
    std::int32_t width = 0;
    std::int32_t height = 0;
    const std::uint8_t* rows = nullptr;
    std::size_t stride = 0;
};

// 8-bit pixels: one palette index per pixel, the bottom row first, rows width bytes apart.
struct Indexed8Picture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> indices;
    std::array<std::array<std::uint8_t, 3>, 256> palette{};  // red, green, blue per entry
};

// The padded length of one row of `width` pixels of `bitsPerPixel` bits.
std::size_t BmpRowBytes(std::int32_t width, int bitsPerPixel);

// Write the picture to `path` (UTF-8). False, and the target untouched, when the picture is not
// a valid one (no pixels, or too large for a bitmap file) or anything could not be written.
bool WriteBmp24(const std::string& path, const Bgr24View& picture);
bool WriteBmp8(const std::string& path, const Indexed8Picture& picture);

// The whole file WriteBmp24 would write, for a caller that writes it by its own means (the host
// creates each picture as a new file that nothing else may open). Empty when the picture is not
// a valid one.
std::vector<std::uint8_t> Bmp24Bytes(const Bgr24View& picture);

}  // namespace altostrat
