// What decoding a picture may cost: a JPEG's markers and a PNG's header read from files written
// here byte by byte, and the plan for frames whose costs are known figures (an 8192 x 8192
// photograph with its colour halved each way keeps 192 MB of coefficients; a grey 30000 x 30000
// one 1.8 GB).
#include "host/ground/picture_budget.h"

#include <gtest/gtest.h>

#include <vector>

namespace altostrat {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Segment(Bytes& out, std::uint8_t marker, const Bytes& payload) {
    const std::size_t length = payload.size() + 2;
    out.insert(out.end(), {0xFF, marker, static_cast<std::uint8_t>(length >> 8),
                           static_cast<std::uint8_t>(length)});
    out.insert(out.end(), payload.begin(), payload.end());
}

// A frame header of WIDTH x HEIGHT whose components have the given sampling (0xHV each).
Bytes Frame(int width, int height, const Bytes& sampling) {
    Bytes frame = {8,
                   static_cast<std::uint8_t>(height >> 8),
                   static_cast<std::uint8_t>(height),
                   static_cast<std::uint8_t>(width >> 8),
                   static_cast<std::uint8_t>(width),
                   static_cast<std::uint8_t>(sampling.size())};
    for (std::size_t c = 0; c < sampling.size(); ++c) {
        frame.insert(frame.end(), {static_cast<std::uint8_t>(c + 1), sampling[c], 0});
    }
    return frame;
}

PictureHeader HeaderOf(const Bytes& file) {
    return ReadPictureHeader(file.data(), file.size());
}

TEST(PictureBudget, TheHeadersOwnWord) {
    Bytes photo = {0xFF, 0xD8};
    Segment(photo, 0xE1, Bytes(300, 0x45));  // an Exif block before the frame
    Segment(photo, 0xC0, Frame(8192, 8192, {0x22, 0x11, 0x11}));
    const Bytes scan_header = {1, 1, 0, 0, 63, 0};
    // Three scans, their data holding a stuffed FF, a restart marker and fill bytes.
    std::size_t second_scan_data = 0;
    for (int scan = 0; scan < 3; ++scan) {
        Segment(photo, 0xDA, scan_header);
        second_scan_data = scan == 1 ? photo.size() : second_scan_data;
        photo.insert(photo.end(), {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD3, 0x56, 0xFF, 0xFF});
        Segment(photo, 0xC4, Bytes(20, 0));  // tables between scans
    }
    photo.insert(photo.end(), {0xFF, 0xD9});
    const PictureHeader header = HeaderOf(photo);
    EXPECT_EQ(header.format, PictureFormat::kJpeg);
    EXPECT_EQ(header.width, 8192);
    EXPECT_EQ(header.height, 8192);
    EXPECT_EQ(header.bytes_per_pixel, 3);
    EXPECT_FALSE(header.progressive);
    EXPECT_EQ(header.scans, 3);
    EXPECT_EQ(header.coefficient_bytes, std::uint64_t{192} << 20);

    // Cut off in the second scan's data: what was read so far. Past the end, nothing is read.
    const Bytes cut(photo.begin(), photo.begin() + second_scan_data + 3);
    EXPECT_EQ(HeaderOf(cut).scans, 2);
    Bytes claims_more = {0xFF, 0xD8};
    Segment(claims_more, 0xC2, Frame(30000, 30000, {0x11}));
    claims_more.resize(claims_more.size() - 3);
    EXPECT_EQ(HeaderOf(claims_more).coefficient_bytes, 0u);
    EXPECT_EQ(HeaderOf(claims_more).width, 0);

    Bytes grey = {0xFF, 0xD8};
    Segment(grey, 0xC2, Frame(30000, 30000, {0x11}));
    Segment(grey, 0xDA, {1, 1, 0, 0, 0, 0});
    EXPECT_TRUE(HeaderOf(grey).progressive);
    EXPECT_EQ(HeaderOf(grey).scans, 1);
    EXPECT_EQ(HeaderOf(grey).coefficient_bytes, 1800000000u);

    // A PNG's header chunk: an interlaced 16-bit RGBA picture of 30000 x 20000.
    Bytes png = {0x89, 'P', 'N', 'G',  0x0D, 0x0A, 0x1A, 0x0A, 0,    0,  0, 13, 'I', 'H', 'D',
                 'R',  0,   0,   0x75, 0x30, 0,    0,    0x4E, 0x20, 16, 6, 0,  0,   1};
    EXPECT_EQ(HeaderOf(png).format, PictureFormat::kPng);
    EXPECT_EQ(HeaderOf(png).width, 30000);
    EXPECT_EQ(HeaderOf(png).height, 20000);
    EXPECT_EQ(HeaderOf(png).bytes_per_pixel, 8);
    png[24] = 8;
    png[25] = 3;  // 8-bit palette
    EXPECT_EQ(HeaderOf(png).bytes_per_pixel, 1);
    png.resize(27);  // cut off in the header chunk
    EXPECT_EQ(HeaderOf(png).format, PictureFormat::kPng);
    EXPECT_EQ(HeaderOf(png).width, 0);
    const Bytes bmp = {'B', 'M', 0, 0};
    EXPECT_EQ(HeaderOf(bmp).format, PictureFormat::kOther);
    EXPECT_EQ(ReadPictureHeader(photo.data(), 1).format, PictureFormat::kOther);
}

TEST(PictureBudget, ThePlan) {
    const PictureSize screen{1920, 1080};
    const auto plan = [&](int w, int h, int bpp, PictureHeader header, bool reduces) {
        return PlanPictureDecode({w, h}, bpp, header,
                                 SizeWorthDecoding(w, h, screen, PictureFit::kFill), reduces);
    };
    const PictureHeader sequential{PictureFormat::kJpeg,
                                   30000,
                                   30000,
                                   3,
                                   false,
                                   1,
                                   std::uint64_t{30000 / 8} * (30000 / 8) * 128 * 3};
    // Windows' JPEG decoder makes an eighth of it: 3750 x 3750, still more than 1920 x 1920.
    const DecodePlan windows = plan(30000, 30000, 3, sequential, true);
    EXPECT_TRUE(windows.decode);
    EXPECT_EQ(windows.reduction, 8);
    EXPECT_EQ(windows.bytes, 3750u * 3750 * 3);
    // A decoder that cannot reduce would make all 2.7 GB of it.
    EXPECT_FALSE(plan(30000, 30000, 3, sequential, false).decode);
    // In several scans every coefficient is kept, whatever the reduction.
    PictureHeader progressive = sequential;
    progressive.progressive = true;
    EXPECT_FALSE(plan(30000, 30000, 3, progressive, true).decode);
    PictureHeader several = sequential;
    several.scans = 3;
    EXPECT_FALSE(plan(30000, 30000, 3, several, true).decode);

    // A camera's progressive 4000 x 3000 photograph: halved still covers 1920 x 1080 filled.
    const PictureHeader camera{
        PictureFormat::kJpeg, 4000, 3000, 3, true, 10, 4000u / 8 * 3000 / 8 * 128 * 3 / 2};
    const DecodePlan photo = plan(4000, 3000, 3, camera, true);
    EXPECT_TRUE(photo.decode);
    EXPECT_EQ(photo.reduction, 2);
    EXPECT_EQ(photo.bytes, 2000u * 1500 * 3 + camera.coefficient_bytes);
    // A picture smaller than the screen is made whole.
    EXPECT_EQ(plan(1280, 720, 3, camera, true).reduction, 1);

    // PNG and the rest are made whole: 8192 x 8192 at four bytes a pixel just fits.
    EXPECT_TRUE(plan(8192, 8192, 4, {}, false).decode);
    EXPECT_FALSE(plan(8193, 8192, 4, {}, false).decode);
    EXPECT_FALSE(plan(8192, 8192, 8, {}, false).decode);  // 16 bits a channel

    // Scans beyond any encoder's: refused, however small.
    PictureHeader busy = camera;
    busy.scans = kMaxJpegScans;
    EXPECT_TRUE(plan(640, 480, 3, busy, true).decode);
    busy.scans = kMaxJpegScans + 1;
    EXPECT_FALSE(plan(640, 480, 3, busy, true).decode);
    EXPECT_FALSE(plan(0, 480, 3, {}, false).decode);
}

}  // namespace
}  // namespace altostrat
