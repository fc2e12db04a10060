#include "linux_program/wayland/capture/shot_formats.h"

namespace altostrat {
namespace {

constexpr std::uint32_t FourCc(char a, char b, char c, char d) {
    return static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b) << 8 |
           static_cast<std::uint32_t>(c) << 16 | static_cast<std::uint32_t>(d) << 24;
}

// Qt's word formats are words in the machine's own byte order; the layouts here are
// little-endian ones, so on a big-endian machine only the byte-ordered ones are taken.
constexpr bool kLittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

std::uint32_t Word16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t Word32(const std::uint8_t* p) {
    return Word16(p) | Word16(p + 2) << 16;
}

std::uint8_t Scale(std::uint32_t value, std::uint32_t max) {
    return static_cast<std::uint8_t>((value * 255 + max / 2) / max);
}

// R, G, B of one word at the given shifts, each channel BITS wide.
void FromWord(std::uint32_t word, int bits, int red, int green, int blue, std::uint8_t rgb[3]) {
    const std::uint32_t max = (1u << bits) - 1;
    rgb[0] = Scale(word >> red & max, max);
    rgb[1] = Scale(word >> green & max, max);
    rgb[2] = Scale(word >> blue & max, max);
}

int SideLimit(int mostSide) {
    return mostSide < 1 || mostSide > kShotMostSide ? kShotMostSide : mostSide;
}

}  // namespace

ShotFormat ShotFormatFromShm(std::uint32_t format) {
    switch (format) {
        case 0:  // ARGB8888
        case 1:  // XRGB8888
        case FourCc('A', 'R', '2', '4'):
        case FourCc('X', 'R', '2', '4'):
            return ShotFormat::kXrgb8888;
        case FourCc('A', 'B', '2', '4'):
        case FourCc('X', 'B', '2', '4'):
            return ShotFormat::kXbgr8888;
        case FourCc('R', 'A', '2', '4'):
        case FourCc('R', 'X', '2', '4'):
            return ShotFormat::kRgbx8888;
        case FourCc('B', 'A', '2', '4'):
        case FourCc('B', 'X', '2', '4'):
            return ShotFormat::kBgrx8888;
        case FourCc('R', 'G', '2', '4'):
            return ShotFormat::kRgb888;
        case FourCc('B', 'G', '2', '4'):
            return ShotFormat::kBgr888;
        case FourCc('R', 'G', '1', '6'):
            return ShotFormat::kRgb565;
        case FourCc('A', 'R', '3', '0'):
        case FourCc('X', 'R', '3', '0'):
            return ShotFormat::kXrgb2101010;
        case FourCc('A', 'B', '3', '0'):
        case FourCc('X', 'B', '3', '0'):
            return ShotFormat::kXbgr2101010;
        case FourCc('R', 'A', '3', '0'):
        case FourCc('R', 'X', '3', '0'):
            return ShotFormat::kRgbx1010102;
        case FourCc('B', 'A', '3', '0'):
        case FourCc('B', 'X', '3', '0'):
            return ShotFormat::kBgrx1010102;
        case FourCc('A', 'B', '4', '8'):
        case FourCc('X', 'B', '4', '8'):
            return ShotFormat::kXbgr16161616;
        default:
            return ShotFormat::kUnknown;
    }
}

ShotFormat ShotFormatFromQtImage(std::uint32_t format) {
    switch (format) {
        case 4:  // RGB32: the word 0xffRRGGBB
        case 5:  // ARGB32
        case 6:  // ARGB32_Premultiplied
            return kLittleEndian ? ShotFormat::kXrgb8888 : ShotFormat::kBgrx8888;
        case 7:  // RGB16
            return kLittleEndian ? ShotFormat::kRgb565 : ShotFormat::kUnknown;
        case 13:  // RGB888: bytes R G B
            return ShotFormat::kBgr888;
        case 16:  // RGBX8888: bytes R G B A
        case 17:  // RGBA8888
        case 18:  // RGBA8888_Premultiplied
            return ShotFormat::kXbgr8888;
        case 19:  // BGR30: the word 0bxxBBBBBBBBBBGGGGGGGGGGRRRRRRRRRR
        case 20:  // A2BGR30_Premultiplied
            return kLittleEndian ? ShotFormat::kXbgr2101010 : ShotFormat::kUnknown;
        case 21:  // RGB30
        case 22:  // A2RGB30_Premultiplied
            return kLittleEndian ? ShotFormat::kXrgb2101010 : ShotFormat::kUnknown;
        case 25:  // RGBX64: 16-bit words R G B A
        case 26:  // RGBA64
        case 27:  // RGBA64_Premultiplied
            return kLittleEndian ? ShotFormat::kXbgr16161616 : ShotFormat::kUnknown;
        case 29:  // BGR888: bytes B G R
            return ShotFormat::kRgb888;
        default:
            return ShotFormat::kUnknown;
    }
}

int ShotBytesPerPixel(ShotFormat format) {
    switch (format) {
        case ShotFormat::kUnknown:
            return 0;
        case ShotFormat::kRgb565:
            return 2;
        case ShotFormat::kRgb888:
        case ShotFormat::kBgr888:
            return 3;
        case ShotFormat::kXbgr16161616:
            return 8;
        default:
            return 4;
    }
}

std::int64_t ShotRowBytes(int width, ShotFormat format) {
    if (width < 1 || width > kShotMostSide) {
        return 0;
    }
    return static_cast<std::int64_t>(width) * ShotBytesPerPixel(format);
}

std::int64_t ShotBytes(int width, int height, std::int64_t stride, ShotFormat format,
                       int mostSide) {
    const int side = SideLimit(mostSide);
    const std::int64_t row = ShotRowBytes(width, format);
    if (row == 0 || width > side || height < 1 || height > side || stride < row ||
        stride > ShotRowBytes(side, format) + kShotMostRowPadding) {
        return 0;
    }
    return stride * height;
}

void ReadShotPixel(ShotFormat format, const std::uint8_t* p, std::uint8_t rgb[3]) {
    switch (format) {
        case ShotFormat::kXrgb8888:
        case ShotFormat::kRgb888:
            rgb[0] = p[2], rgb[1] = p[1], rgb[2] = p[0];
            return;
        case ShotFormat::kXbgr8888:
        case ShotFormat::kBgr888:
            rgb[0] = p[0], rgb[1] = p[1], rgb[2] = p[2];
            return;
        case ShotFormat::kRgbx8888:
            rgb[0] = p[3], rgb[1] = p[2], rgb[2] = p[1];
            return;
        case ShotFormat::kBgrx8888:
            rgb[0] = p[1], rgb[1] = p[2], rgb[2] = p[3];
            return;
        case ShotFormat::kRgb565: {
            const std::uint32_t word = Word16(p);
            rgb[0] = Scale(word >> 11, 31);
            rgb[1] = Scale(word >> 5 & 63, 63);
            rgb[2] = Scale(word & 31, 31);
            return;
        }
        case ShotFormat::kXrgb2101010:
            FromWord(Word32(p), 10, 20, 10, 0, rgb);
            return;
        case ShotFormat::kXbgr2101010:
            FromWord(Word32(p), 10, 0, 10, 20, rgb);
            return;
        case ShotFormat::kRgbx1010102:
            FromWord(Word32(p), 10, 22, 12, 2, rgb);
            return;
        case ShotFormat::kBgrx1010102:
            FromWord(Word32(p), 10, 2, 12, 22, rgb);
            return;
        case ShotFormat::kXbgr16161616:
            rgb[0] = Scale(Word16(p), 65535);
            rgb[1] = Scale(Word16(p + 2), 65535);
            rgb[2] = Scale(Word16(p + 4), 65535);
            return;
        case ShotFormat::kUnknown:
            rgb[0] = rgb[1] = rgb[2] = 0;
            return;
    }
}

}  // namespace altostrat
