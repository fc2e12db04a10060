#pragma once
// What the headers of a bitmap file say: the picture's size and pixel format, where its pixels
// start and its colour table. Shared by the parts of the bitmap reader.

#include <array>
#include <cstddef>
#include <cstdint>

namespace altostrat {

// How a step of the reader ended. A file too short for what it announces is a format fault of
// its own, shown to the user as an unknown format.
enum class DibStatus { kOk, kUnknownFormat, kTruncated, kConversionError, kOutOfMemory };

constexpr std::uint32_t kDibRgb = 0;
constexpr std::uint32_t kDibRle8 = 1;
constexpr std::uint32_t kDibRle4 = 2;
constexpr std::uint32_t kDibBitFields = 3;

struct DibColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct DibFormat {
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative when the rows are stored top row first
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kDibRgb;
    std::uint32_t masks[3] = {};  // red, green, blue; read from the file for bit fields only
    std::size_t pixelOffset = 0;  // from the start of the file
    // No pixel can index past 255. Entries the file does not have stay black, so an index
    // beyond the table gives black rather than a read past it.
    std::array<DibColour, 256> palette{};
};

// Reads the optional 14-byte file header, the bitmap header (40-byte information or 12-byte
// core header), the bit-field masks and the colour table.
DibStatus ParseDibFormat(const std::uint8_t* data, std::size_t size, DibFormat& format);

}  // namespace altostrat
