#include "flight/bitmap/dib_rows.h"

#include "common/little_endian.h"
#include "flight/bitmap/swap_red_blue.h"

namespace altostrat {
namespace {

// One colour channel of a 16- or 32-bit pixel, described by its mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;  // position of the mask's lowest bit
    int bits = 0;   // from the lowest to the highest bit of the mask
};

Channel MakeChannel(std::uint32_t mask) {
    Channel channel;
    channel.mask = mask;
    if (mask == 0) {
        return channel;
    }
    while (((mask >> channel.shift) & 1u) == 0) {
        ++channel.shift;
    }
    for (std::uint32_t rest = mask >> channel.shift; rest != 0; rest >>= 1) {
        ++channel.bits;
    }
    return channel;
}

// Brings a channel to 8 bits the way Windows' conversion does: a narrow channel is shifted to
// the top and its bits repeated once below (5 bits: v << 3 | v >> 2, so 31 gives 255); a wide
// one keeps its top 8 bits.
std::uint8_t Widen(std::uint32_t pixel, const Channel& channel) {
    std::uint32_t value = (pixel & channel.mask) >> channel.shift;
    if (channel.bits >= 8) {
        return static_cast<std::uint8_t>(value >> (channel.bits - 8));
    }
    value <<= 8 - channel.bits;
    return static_cast<std::uint8_t>(value | (value >> channel.bits));
}

struct RowContext {
    const DibFormat& format;
    std::size_t width;
    Channel channels[3];
};

void PutColour(std::uint8_t* out, const DibColour& colour) {
    out[0] = colour.red;
    out[1] = colour.green;
    out[2] = colour.blue;
}

void ConvertRow(const RowContext& context, const std::uint8_t* in, std::uint8_t* out) {
    const std::size_t width = context.width;
    const auto& palette = context.format.palette;
    switch (context.format.bitsPerPixel) {
        case 1:
            for (std::size_t x = 0; x < width; ++x) {
                PutColour(out + 3 * x, palette[(in[x >> 3] >> (7 - (x & 7))) & 1u]);
            }
            break;
        case 4:
            for (std::size_t x = 0; x < width; ++x) {
                const unsigned shift = (x & 1) ? 0 : 4;
                PutColour(out + 3 * x, palette[(in[x >> 1] >> shift) & 15u]);
            }
            break;
        case 8:
            for (std::size_t x = 0; x < width; ++x) {
                PutColour(out + 3 * x, palette[in[x]]);
            }
            break;
        case 16:
            for (std::size_t x = 0; x < width; ++x) {
                const std::uint32_t pixel = ReadU16(in + 2 * x);
                for (int c = 0; c < 3; ++c) {
                    out[3 * x + c] = Widen(pixel, context.channels[c]);
                }
            }
            break;
        case 32:
            if (context.format.compression == kDibRgb) {
                for (std::size_t x = 0; x < width; ++x) {
                    out[3 * x + 0] = in[4 * x + 2];
                    out[3 * x + 1] = in[4 * x + 1];
                    out[3 * x + 2] = in[4 * x + 0];
                }
            } else {
                for (std::size_t x = 0; x < width; ++x) {
                    const std::uint32_t pixel = ReadU32(in + 4 * x);
                    for (int c = 0; c < 3; ++c) {
                        out[3 * x + c] = Widen(pixel, context.channels[c]);
                    }
                }
            }
            break;
        default:
            break;
    }
}

}  // namespace

DibStatus DecodeDibRows(const std::uint8_t* data, std::size_t size, const DibFormat& format,
                        std::vector<std::uint8_t>& pixels) {
    const std::uint64_t width = static_cast<std::uint64_t>(format.width);
    const bool topDown = format.height < 0;
    const std::uint64_t rows = topDown ? 0 - static_cast<std::uint64_t>(format.height)
                                       : static_cast<std::uint64_t>(format.height);
    const std::uint64_t bits = width * format.bitsPerPixel;
    const std::uint64_t rowBytes = (bits + 7) / 8;
    const std::uint64_t stride = (bits + 31) / 32 * 4;  // rows are padded to 4-byte multiples
    // The last row needs no padding after it: only the bytes that are read must be there.
    if (format.pixelOffset > size || stride * (rows - 1) + rowBytes > size - format.pixelOffset) {
        return DibStatus::kTruncated;
    }

    RowContext context{format, static_cast<std::size_t>(width), {}};
    // Without masks a 16-bit file holds 5 bits each of red, green and blue.
    const bool defaultMasks = format.compression == kDibRgb;
    const std::uint32_t masks[3] = {defaultMasks ? 0x7C00u : format.masks[0],
                                    defaultMasks ? 0x03E0u : format.masks[1],
                                    defaultMasks ? 0x001Fu : format.masks[2]};
    for (int c = 0; c < 3; ++c) {
        context.channels[c] = MakeChannel(masks[c]);
    }

    // Rows are added in the result's order, bottom row first, so the buffer is written once. A
    // 24-bit row, the desktop photograph's, is copied as it is and turned where it lies.
    const std::size_t outRow = static_cast<std::size_t>(width) * 3;
    pixels.clear();
    pixels.reserve(outRow * static_cast<std::size_t>(rows));
    std::vector<std::uint8_t> converted(format.bitsPerPixel == 24 ? 0 : outRow);
    const std::uint8_t* first = data + format.pixelOffset;
    for (std::uint64_t row = 0; row < rows; ++row) {
        const std::uint8_t* in = first + (topDown ? rows - 1 - row : row) * stride;
        if (format.bitsPerPixel == 24) {
            pixels.insert(pixels.end(), in, in + outRow);
            SwapRedAndBlue(pixels.data() + row * outRow, context.width);
        } else {
            ConvertRow(context, in, converted.data());
            pixels.insert(pixels.end(), converted.begin(), converted.end());
        }
    }
    return DibStatus::kOk;
}

}  // namespace altostrat
