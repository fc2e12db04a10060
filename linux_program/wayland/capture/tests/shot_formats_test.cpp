// Every pixel layout a photograph arrives in gives one colour: red full, green half, blue none.
// The bytes of each are written out by hand from the layout's definition (DRM's four-character
// codes describe little-endian words; Qt's formats as Qt documents them), so a channel read from
// the wrong bits or an 8-bit scale of a 10- or 16-bit channel gone astray shows. An n-bit value v
// becomes round(v * 255 / (2^n - 1)): 10-bit 512 and 16-bit 0x8080 give 128, 6-bit 32 gives 130.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "linux_program/wayland/capture/shot_formats.h"

namespace altostrat {
namespace {

constexpr std::uint32_t FourCc(const char (&code)[5]) {
    return static_cast<std::uint32_t>(code[0]) | static_cast<std::uint32_t>(code[1]) << 8 |
           static_cast<std::uint32_t>(code[2]) << 16 | static_cast<std::uint32_t>(code[3]) << 24;
}

TEST(ShotFormats, EveryLayoutReadsToTheSameColour) {
    struct Case {
        std::uint32_t shm;
        std::vector<std::uint8_t> bytes;
        std::uint8_t green;
    };
    const Case cases[] = {
        {1, {0x00, 0x80, 0xFF, 0x00}, 128},                           // XRGB8888: B G R x
        {0, {0x00, 0x80, 0xFF, 0x7F}, 128},                           // ARGB8888, alpha not read
        {FourCc("XB24"), {0xFF, 0x80, 0x00, 0x00}, 128},              // R G B x
        {FourCc("RX24"), {0x00, 0x00, 0x80, 0xFF}, 128},              // x B G R
        {FourCc("BA24"), {0x00, 0xFF, 0x80, 0x00}, 128},              // a R G B
        {FourCc("RG24"), {0x00, 0x80, 0xFF}, 128},                    // B G R
        {FourCc("BG24"), {0xFF, 0x80, 0x00}, 128},                    // R G B
        {FourCc("RG16"), {0x00, 0xFC}, 130},                          // 11111 100000 00000
        {FourCc("XR30"), {0x00, 0x00, 0xF8, 0x3F}, 128},              // 0x3FF80000: x R G B
        {FourCc("AR30"), {0x00, 0x00, 0xF8, 0xFF}, 128},              // alpha 3
        {FourCc("XB30"), {0xFF, 0x03, 0x08, 0x00}, 128},              // 0x000803FF: x B G R
        {FourCc("AB30"), {0xFF, 0x03, 0x08, 0xC0}, 128},              // alpha 3
        {FourCc("RX30"), {0x00, 0x00, 0xE0, 0xFF}, 128},              // 0xFFE00000: R G B x
        {FourCc("BX30"), {0xFC, 0x0F, 0x20, 0x00}, 128},              // 0x00200FFC: B G R x
        {FourCc("XB48"), {0xFF, 0xFF, 0x80, 0x80, 0, 0, 0, 0}, 128},  // R G B x, 16 bits each
    };
    for (const Case& c : cases) {
        const ShotFormat format = ShotFormatFromShm(c.shm);
        ASSERT_EQ(ShotBytesPerPixel(format), static_cast<int>(c.bytes.size())) << c.shm;
        std::uint8_t rgb[3] = {1, 1, 1};
        ReadShotPixel(format, c.bytes.data(), rgb);
        EXPECT_EQ(rgb[0], 255) << c.shm;
        EXPECT_EQ(rgb[1], c.green) << c.shm;
        EXPECT_EQ(rgb[2], 0) << c.shm;
    }
    // YUV and floating point are not taken.
    EXPECT_EQ(ShotFormatFromShm(FourCc("NV12")), ShotFormat::kUnknown);
    EXPECT_EQ(ShotFormatFromShm(FourCc("XB4H")), ShotFormat::kUnknown);
}

TEST(ShotFormats, KWinsQtFormatsAreTheLayoutsTheyName) {
    // Qt's numbers: RGB32 4, ARGB32 5, ARGB32_Premultiplied 6, RGB16 7, RGB888 13 (bytes R G
    // B), RGBX8888 16, RGBA8888 17, BGR30 19, A2BGR30_Premultiplied 20, RGB30 21, RGBA64 26,
    // BGR888 29 (bytes B G R); Indexed8 3 and Grayscale8 24 cannot hold a screen's colours.
    const struct {
        std::uint32_t qt;
        ShotFormat format;
    } cases[] = {
        {4, ShotFormat::kXrgb8888},      {5, ShotFormat::kXrgb8888},
        {6, ShotFormat::kXrgb8888},      {7, ShotFormat::kRgb565},
        {13, ShotFormat::kBgr888},       {16, ShotFormat::kXbgr8888},
        {17, ShotFormat::kXbgr8888},     {19, ShotFormat::kXbgr2101010},
        {20, ShotFormat::kXbgr2101010},  {21, ShotFormat::kXrgb2101010},
        {26, ShotFormat::kXbgr16161616}, {29, ShotFormat::kRgb888},
        {3, ShotFormat::kUnknown},       {24, ShotFormat::kUnknown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShotFormatFromQtImage(c.qt), c.format) << c.qt;
    }
}

// The sizes a compositor gives, checked before memory is taken: real photographs pass with their
// exact size; sides past the output's mode or the limit, and strides that could not hold their
// row or overflow an int once multiplied, are refused (0).
TEST(ShotFormats, APhotographsSizeIsItsStrideTimesItsHeightWithinItsOutput) {
    const struct {
        int width;
        int height;
        std::int64_t stride;
        ShotFormat format;
        int mostSide;
        std::int64_t bytes;
    } cases[] = {
        {1024, 768, 4096, ShotFormat::kXrgb8888, 0, 4096 * 768},       // sway's screen copy
        {1366, 768, 4100, ShotFormat::kBgr888, 1366, 4100 * 768},      // Qt's RGB888, rows of 4
        {1366, 768, 5632, ShotFormat::kXrgb8888, 1366, 5632 * 768},    // rows aligned to 256
        {1080, 1920, 4320, ShotFormat::kXrgb8888, 1920, 4320 * 1920},  // a turned output
        {16384, 16384, 65536, ShotFormat::kXrgb8888, 0, std::int64_t(1) << 30},
        {3840, 2160, 15360, ShotFormat::kXrgb8888, 1920, 0},      // larger than its output's mode
        {16385, 10, 65540, ShotFormat::kXrgb8888, 0, 0},          // wider than any screen
        {600000000, 1, 2400000000, ShotFormat::kXrgb8888, 0, 0},  // 4 x width overflows an int
        {1024, 768, 4000, ShotFormat::kXrgb8888, 0, 0},           // a row does not fit its stride
        {1024, 768, std::int64_t(1) << 40, ShotFormat::kXrgb8888, 0, 0},
        {1024, 0, 4096, ShotFormat::kXrgb8888, 0, 0},
        {-1, 768, 4096, ShotFormat::kXrgb8888, 0, 0},  // 2^32 - 1 wide, as an int
        {1024, 768, 4096, ShotFormat::kUnknown, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShotBytes(c.width, c.height, c.stride, c.format, c.mostSide), c.bytes)
            << c.width << "x" << c.height << " stride " << c.stride;
    }
    EXPECT_EQ(ShotRowBytes(600000000, ShotFormat::kXrgb8888), 0);
    EXPECT_EQ(ShotRowBytes(16384, ShotFormat::kXbgr16161616), 131072);
}

}  // namespace
}  // namespace altostrat
