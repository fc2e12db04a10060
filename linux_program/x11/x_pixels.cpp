#include "linux_program/x11/x_pixels.h"

namespace altostrat {
namespace {

// A colour channel of an X pixel: its mask (up to 32 bits), worked out once per picture.
struct ChannelMask {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
};

ChannelMask MaskOf(std::uint32_t mask) {
    ChannelMask channel{mask, 0, 0};
    if (mask != 0) {
        while (((mask >> channel.shift) & 1u) == 0) {
            ++channel.shift;
        }
        channel.max = mask >> channel.shift;
    }
    return channel;
}

// Scales the channel to 0..255, rounding to the nearest.
std::uint8_t Channel(std::uint32_t pixel, const ChannelMask& channel) {
    if (channel.mask == 0) {
        return 0;
    }
    const std::uint64_t value = (pixel & channel.mask) >> channel.shift;
    return static_cast<std::uint8_t>((value * 255u + channel.max / 2) / channel.max);
}

std::uint32_t ReadPixel(const XPixels& pixels, int x, int y) {
    const int bytes = pixels.bitsPerPixel / 8;
    const std::uint8_t* p = pixels.data + static_cast<std::size_t>(y) * pixels.bytesPerLine +
                            static_cast<std::size_t>(x) * bytes;
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int index = pixels.msbFirst ? i : bytes - 1 - i;
        value = (value << 8) | p[index];
    }
    return value;
}

}  // namespace

bool ConvertXPixels(const XPixels& pixels, std::vector<std::uint8_t>& rows) {
    const int bits = pixels.bitsPerPixel;
    if (pixels.width <= 0 || pixels.height <= 0 || pixels.data == nullptr ||
        (bits != 16 && bits != 24 && bits != 32) ||
        pixels.bytesPerLine < static_cast<std::size_t>(pixels.width) * (bits / 8)) {
        return false;
    }
    const std::size_t stride = static_cast<std::size_t>(pixels.width) * 3;
    rows.assign(stride * pixels.height, 0);
    const ChannelMask red = MaskOf(pixels.redMask);
    const ChannelMask green = MaskOf(pixels.greenMask);
    const ChannelMask blue = MaskOf(pixels.blueMask);
    for (int y = 0; y < pixels.height; ++y) {
        // X gives the top row first; a bitmap file keeps the bottom row first.
        std::uint8_t* out = &rows[stride * (pixels.height - 1 - y)];
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint32_t pixel = ReadPixel(pixels, x, y);
            out[x * 3 + 0] = Channel(pixel, blue);
            out[x * 3 + 1] = Channel(pixel, green);
            out[x * 3 + 2] = Channel(pixel, red);
        }
    }
    return true;
}

}  // namespace altostrat
