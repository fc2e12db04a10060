// A photograph's pixels through the ground to the renderer's file, read back by the renderer's
// own bitmap reader: every pixel where it was, in its colour, for a width whose rows are padded.
#include "host/ground/photograph_pixels.h"

#include <gtest/gtest.h>

#include "common/bmp_writer.h"
#include "flight/bitmap/dib_image.h"

namespace altostrat {
namespace {

TEST(PhotographPixels, APhotographReachesTheRenderersFileUnchanged) {
    // 3 x 2 pixels, blue-green-red, top row first, each row padded from 9 to 12 bytes.
    const std::uint8_t shot[] = {
        1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,  //
        10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE,
    };
    const RgbPicture picture = PictureFromPhotograph({3, 2, shot, 12});
    EXPECT_EQ(picture.pixels, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7,  //
                                                         12, 11, 10, 15, 14, 13, 18, 17, 16}));

    const std::vector<std::uint8_t> rows = BitmapRows(picture);
    const std::vector<std::uint8_t> file = Bmp24Bytes({3, 2, rows.data(), BmpRowBytes(3, 24)});
    const std::unique_ptr<RgbImage> read =
        DecodeDib(file.data(), file.size(), [](const std::string& message) { FAIL() << message; });
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->width, 3);
    EXPECT_EQ(read->height, 2);
    // The reader gives red-green-blue, the bottom row first.
    EXPECT_EQ(read->pixels, (std::vector<std::uint8_t>{12, 11, 10, 15, 14, 13, 18, 17, 16,  //
                                                       3, 2, 1, 6, 5, 4, 9, 8, 7}));
}

}  // namespace
}  // namespace altostrat
