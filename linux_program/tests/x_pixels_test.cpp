// Desktop pixels in the layouts X servers deliver: 32 bits (8-8-8 in a word), packed 24 bits and
// 16 bits (5-6-5), each in both byte orders. The expected colours are worked out by hand: an
// n-bit channel value v becomes round(v * 255 / (2^n - 1)), which for the values below equals
// the bit replication that X and the image libraries use (5 bits 10000 -> 10000100 = 132).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "linux_program/x11/x_pixels.h"

namespace altostrat {
namespace {

struct Layout {
    const char* name;
    int bitsPerPixel;
    bool msbFirst;
    std::uint32_t red, green, blue;
};

// A 2 x 2 picture, top row first, each line padded to 8 bytes: the top left pixel, then three
// more. Each pixel's bytes are given as they lie in memory.
XPixels Picture(const Layout& layout, const std::vector<std::uint8_t>& bytes) {
    XPixels pixels;
    pixels.width = 2;
    pixels.height = 2;
    pixels.data = bytes.data();
    pixels.bytesPerLine = 8;
    pixels.bitsPerPixel = layout.bitsPerPixel;
    pixels.msbFirst = layout.msbFirst;
    pixels.redMask = layout.red;
    pixels.greenMask = layout.green;
    pixels.blueMask = layout.blue;
    return pixels;
}

TEST(XPixels, EveryLayoutGivesTheSameColoursBottomRowFirst) {
    // Top row: (0x10, 0x20, 0x30) and white; bottom row: pure red and pure blue. In 16 bits the
    // first pixel is red 16, green 32, blue 8 of 31, 63, 31: 132, 130, 66.
    const Layout l32 = {"32 LSB", 32, false, 0xFF0000, 0x00FF00, 0x0000FF};
    const Layout m32 = {"32 MSB", 32, true, 0xFF0000, 0x00FF00, 0x0000FF};
    const Layout l24 = {"24 LSB", 24, false, 0xFF0000, 0x00FF00, 0x0000FF};
    const Layout m24 = {"24 MSB", 24, true, 0xFF0000, 0x00FF00, 0x0000FF};
    const Layout l16 = {"16 LSB", 16, false, 0xF800, 0x07E0, 0x001F};
    const Layout m16 = {"16 MSB", 16, true, 0xF800, 0x07E0, 0x001F};
    const std::uint8_t p = 0xEE;  // padding, never read
    struct Case {
        Layout layout;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {l32,
         {0x30, 0x20, 0x10, 0x00, 0xFF, 0xFF, 0xFF, 0x00,  //
          0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00}},
        {m32,
         {0x00, 0x10, 0x20, 0x30, 0x00, 0xFF, 0xFF, 0xFF,  //
          0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF}},
        {l24,
         {0x30, 0x20, 0x10, 0xFF, 0xFF, 0xFF, p, p,  //
          0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, p, p}},
        {m24,
         {0x10, 0x20, 0x30, 0xFF, 0xFF, 0xFF, p, p,  //
          0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, p, p}},
        {l16,
         {0x08, 0x84, 0xFF, 0xFF, p, p, p, p,  //
          0x00, 0xF8, 0x1F, 0x00, p, p, p, p}},
        {m16,
         {0x84, 0x08, 0xFF, 0xFF, p, p, p, p,  //
          0xF8, 0x00, 0x00, 0x1F, p, p, p, p}},
    };
    const std::vector<std::uint8_t> wide = {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00,  // bottom row
                                            0x30, 0x20, 0x10, 0xFF, 0xFF, 0xFF};
    const std::vector<std::uint8_t> narrow = {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00,  //
                                              66,   130,  132,  0xFF, 0xFF, 0xFF};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> rows;
        ASSERT_TRUE(ConvertXPixels(Picture(c.layout, c.bytes), rows)) << c.layout.name;
        EXPECT_EQ(rows, c.layout.bitsPerPixel == 16 ? narrow : wide) << c.layout.name;
    }
}

TEST(XPixels, LayoutsNotTakenAreRefused) {
    const std::vector<std::uint8_t> bytes(16, 0);
    std::vector<std::uint8_t> rows;
    const Layout eight = {"8", 8, false, 0xE0, 0x1C, 0x03};
    EXPECT_FALSE(ConvertXPixels(Picture(eight, bytes), rows));
    const Layout l32 = {"32 LSB", 32, false, 0xFF0000, 0x00FF00, 0x0000FF};
    XPixels shortLines = Picture(l32, bytes);
    shortLines.bytesPerLine = 7;  // two 4-byte pixels do not fit
    EXPECT_FALSE(ConvertXPixels(shortLines, rows));
    EXPECT_TRUE(rows.empty());
}

}  // namespace
}  // namespace altostrat
