#include "flight/bitmap/swap_red_blue.h"

#include <cstring>

namespace altostrat {

// On little-endian machines eight pixels (24 bytes, three 8-byte words) are turned at a time.
// Taken as one 192-bit number X, the result is (X >> 16 & M0) | (X & M1) | (X << 16 & M2),
// where Mk selects the bytes whose position modulo 3 is k: each red moves two bytes down, each
// blue two bytes up, greens stay. The words are loaded and stored one by one, as a wider copy
// through a stack array would stall on store forwarding. The pixels left over go byte by byte.
void SwapRedAndBlue(std::uint8_t* row, std::size_t width) {
    constexpr std::uint64_t kBytes0 = 0x00FF'0000'FF00'00FFu;  // bytes 0, 3, 6
    constexpr std::uint64_t kBytes1 = 0xFF00'00FF'0000'FF00u;  // bytes 1, 4, 7
    constexpr std::uint64_t kBytes2 = 0x0000'FF00'00FF'0000u;  // bytes 2, 5
    std::size_t x = 0;
#if !(defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__)
    for (; x + 8 <= width; x += 8) {
        std::uint8_t* p = row + 3 * x;
        std::uint64_t w0, w1, w2;
        std::memcpy(&w0, p, 8);
        std::memcpy(&w1, p + 8, 8);
        std::memcpy(&w2, p + 16, 8);
        // In word 0 the bytes that take the byte two places higher (the new reds) are 0, 3, 6,
        // those that stay (greens) 1, 4, 7, those that take the byte two places lower (the new
        // blues) 2, 5. Words 1 and 2 continue the pattern one and two places further on.
        const std::uint64_t out0 =
            (((w0 >> 16) | (w1 << 48)) & kBytes0) | (w0 & kBytes1) | ((w0 << 16) & kBytes2);
        const std::uint64_t out1 = (((w1 >> 16) | (w2 << 48)) & kBytes1) | (w1 & kBytes2) |
                                   (((w1 << 16) | (w0 >> 48)) & kBytes0);
        const std::uint64_t out2 =
            ((w2 >> 16) & kBytes2) | (w2 & kBytes0) | (((w2 << 16) | (w1 >> 48)) & kBytes1);
        std::memcpy(p, &out0, 8);
        std::memcpy(p + 8, &out1, 8);
        std::memcpy(p + 16, &out2, 8);
    }
#endif
    for (; x < width; ++x) {
        const std::uint8_t blue = row[3 * x];
        row[3 * x] = row[3 * x + 2];
        row[3 * x + 2] = blue;
    }
}

}  // namespace altostrat
