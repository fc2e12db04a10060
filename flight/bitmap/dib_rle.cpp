#include "flight/bitmap/dib_rle.h"

namespace altostrat {
namespace {

// The position where the next decoded pixel goes. Columns and rows past the picture are
// counted but never written.
struct RleCursor {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
};

struct RleTarget {
    const DibFormat& format;
    std::uint64_t width;
    std::uint64_t height;
    std::uint8_t* pixels;

    void Put(RleCursor& cursor, std::uint8_t index) const {
        if (cursor.x < width && cursor.y < height) {
            const DibColour& colour = format.palette[index];
            std::uint8_t* out = pixels + (cursor.y * width + cursor.x) * 3;
            out[0] = colour.red;
            out[1] = colour.green;
            out[2] = colour.blue;
        }
        ++cursor.x;
    }
};

// The i-th 4-bit index of a run or an absolute stretch: the high half of a byte comes first.
std::uint8_t Nibble(std::uint8_t byte, unsigned i) {
    return (i & 1) ? (byte & 15u) : (byte >> 4);
}

}  // namespace

DibStatus DecodeDibRle(const std::uint8_t* data, std::size_t size, const DibFormat& format,
                       std::vector<std::uint8_t>& pixels) {
    if (format.pixelOffset > size) {
        return DibStatus::kTruncated;
    }
    const bool fourBit = format.compression == kDibRle4;
    const std::uint64_t width = static_cast<std::uint64_t>(format.width);
    const std::uint64_t height = static_cast<std::uint64_t>(format.height);
    pixels.assign(static_cast<std::size_t>(width * height * 3), 0);
    const RleTarget out{format, width, height, pixels.data()};

    RleCursor cursor;
    std::size_t p = format.pixelOffset;
    while (cursor.y < height) {
        if (size - p < 2) {
            return DibStatus::kTruncated;
        }
        const unsigned count = data[p];
        const unsigned code = data[p + 1];
        p += 2;
        if (count > 0) {
            // A run: one index, or for 4 bits two indices taking turns.
            for (unsigned i = 0; i < count; ++i) {
                out.Put(cursor, fourBit ? Nibble(static_cast<std::uint8_t>(code), i)
                                        : static_cast<std::uint8_t>(code));
            }
        } else if (code == 0) {  // end of line
            cursor.x = 0;
            ++cursor.y;
        } else if (code == 1) {  // end of picture
            break;
        } else if (code == 2) {  // delta: move right and up
            if (size - p < 2) {
                return DibStatus::kTruncated;
            }
            cursor.x += data[p];
            cursor.y += data[p + 1];
            p += 2;
        } else {
            // Absolute mode: code indices stored as they are, padded to a 16-bit boundary.
            const std::size_t bytes = fourBit ? (code + 1) / 2 : code;
            const std::size_t padded = bytes + (bytes & 1);
            if (size - p < padded) {
                return DibStatus::kTruncated;
            }
            for (unsigned i = 0; i < code; ++i) {
                out.Put(cursor, fourBit ? Nibble(data[p + i / 2], i) : data[p + i]);
            }
            p += padded;
        }
    }
    return DibStatus::kOk;
}

}  // namespace altostrat
