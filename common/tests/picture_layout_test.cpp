// Wallpaper placement as Windows documents its styles (fill, fit, stretch, tile, centre, span),
// over two monitors of different sizes and one left of the primary.
#include "common/picture_layout.h"

#include <gtest/gtest.h>

namespace altostrat {
namespace {

const ScreenRect kPrimary{0, 0, 1024, 768};
const ScreenRect kRight{1024, 0, 1824, 600};
const ScreenRect kLeft{-800, 0, 0, 600};

// 200 x 100: left half red, right half blue.
RgbPicture TwoHalves() {
    RgbPicture p{200, 100, std::vector<std::uint8_t>(200 * 100 * 3)};
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            p.pixels[(y * 200 + x) * 3 + (x < 100 ? 0 : 2)] = 255;
        }
    }
    return p;
}

RgbColour At(const RgbPicture& p, const ScreenRect& canvas, int x, int y) {
    const std::size_t i =
        (static_cast<std::size_t>(y - canvas.top) * p.width + x - canvas.left) * 3;
    return {p.pixels[i], p.pixels[i + 1], p.pixels[i + 2]};
}

TEST(PictureLayoutTest, EachStyleLandsWhereWindowsPutsIt) {
    EXPECT_EQ(PlacePicture(200, 100, kPrimary, PictureFit::kFill),
              (PlacedRect{-256, 0, 1280, 768}));
    EXPECT_EQ(PlacePicture(200, 100, kPrimary, PictureFit::kFit), (PlacedRect{0, 128, 1024, 640}));
    EXPECT_EQ(PlacePicture(200, 100, kPrimary, PictureFit::kStretch),
              (PlacedRect{0, 0, 1024, 768}));
    EXPECT_EQ(PlacePicture(200, 100, kPrimary, PictureFit::kCentre),
              (PlacedRect{412, 334, 612, 434}));
    EXPECT_EQ(PlacePicture(200, 100, kRight, PictureFit::kFill), (PlacedRect{824, 0, 2024, 600}));
    const ScreenRect all = UnionOfMonitors({kLeft, kPrimary, kRight});
    EXPECT_EQ(all, (ScreenRect{-800, 0, 1824, 768}));
    EXPECT_EQ(PlacePicture(200, 100, all, PictureFit::kSpan), (PlacedRect{-800, -272, 1824, 1040}));
    EXPECT_EQ(PlacePicture(0, 100, kPrimary, PictureFit::kFill), PlacedRect{});
}

// A picture a million pixels wide and one high, filled over a 3840 x 2160 screen, is 2.16
// billion pixels wide, centred: the screen shows the few pixels at its middle, where its red
// half meets its blue half, the one fading into the other from the left edge to the right.
TEST(PictureLayoutTest, AFarWiderPictureIsFilledOverTheScreen) {
    constexpr int kWidth = 1000000;
    RgbPicture line{kWidth, 1, std::vector<std::uint8_t>(std::size_t{kWidth} * 3)};
    for (int x = 0; x < kWidth; ++x) {
        line.pixels[static_cast<std::size_t>(x) * 3 + (x < kWidth / 2 ? 0 : 2)] = 255;
    }
    const ScreenRect screen{0, 0, 3840, 2160};
    EXPECT_EQ(PlacePicture(kWidth, 1, screen, PictureFit::kFill),
              (PlacedRect{-1079998080, 0, 1080001920, 2160}));
    // One row of the screen is enough to see it.
    const ScreenRect row{0, 1000, 3840, 1001};
    const RgbPicture laid = LayPicture(line, row, {screen}, PictureFit::kFill, {0, 255, 0});
    const RgbColour left = At(laid, row, 0, 1000);
    const RgbColour middle = At(laid, row, 1920, 1000);
    const RgbColour right = At(laid, row, 3839, 1000);
    EXPECT_GT(left[0], 200);
    EXPECT_LT(left[2], 60);
    EXPECT_NEAR(middle[0], 128, 2);
    EXPECT_NEAR(middle[2], 128, 2);
    EXPECT_LT(right[0], 60);
    EXPECT_GT(right[2], 200);
    EXPECT_EQ(left[1] + middle[1] + right[1], 0);
}

TEST(PictureLayoutTest, LaidOverMonitorsOnTheBackground) {
    const RgbColour teal{0, 128, 128}, red{255, 0, 0}, blue{0, 0, 255};
    const std::vector<ScreenRect> monitors{kLeft, kPrimary, kRight};
    const ScreenRect canvas = UnionOfMonitors(monitors);

    // Fitted: bars of the background above and below on the primary; below the short right
    // monitor's bottom edge, the background too.
    const RgbPicture fit = LayPicture(TwoHalves(), canvas, monitors, PictureFit::kFit, teal);
    EXPECT_EQ(At(fit, canvas, 512, 60), teal);
    EXPECT_EQ(At(fit, canvas, 300, 384), red);
    EXPECT_EQ(At(fit, canvas, 700, 384), blue);
    EXPECT_EQ(At(fit, canvas, 1400, 700), teal);

    // Filled: the primary's middle is the picture's middle, its edges cut off; each monitor has
    // its own copy, so the right monitor starts red again.
    const RgbPicture fill = LayPicture(TwoHalves(), canvas, monitors, PictureFit::kFill, teal);
    EXPECT_EQ(At(fill, canvas, 2, 2), red);
    EXPECT_EQ(At(fill, canvas, 1021, 765), blue);
    EXPECT_EQ(At(fill, canvas, 1030, 300), red);

    // Spanned: one copy over all three, red on the left monitor, blue on the right.
    const RgbPicture span = LayPicture(TwoHalves(), canvas, monitors, PictureFit::kSpan, teal);
    EXPECT_EQ(At(span, canvas, -700, 300), red);
    EXPECT_EQ(At(span, canvas, 1700, 300), blue);

    // Tiled from the virtual screen's origin: the left monitor ends a tile where the primary
    // starts the next, and tiles repeat at the picture's own size.
    const RgbPicture tile = LayPicture(TwoHalves(), canvas, monitors, PictureFit::kTile, teal);
    EXPECT_EQ(At(tile, canvas, 0, 0), red);
    EXPECT_EQ(At(tile, canvas, -1, 0), blue);
    EXPECT_EQ(At(tile, canvas, 250, 150), red);
    EXPECT_EQ(At(tile, canvas, 1130, 50), blue);  // 5 tiles and 130 pixels

    // A picture whose pixels are missing leaves the background.
    const RgbPicture broken =
        LayPicture(RgbPicture{200, 100, {}}, canvas, monitors, PictureFit::kFill, teal);
    EXPECT_EQ(At(broken, canvas, 512, 384), teal);
}

TEST(PictureLayoutTest, AHugePictureIsDecodedAtAboutScreenSize) {
    const PictureSize screen{1824, 768};
    const PictureSize fill = SizeWorthDecoding(20000, 10000, screen, PictureFit::kFill);
    EXPECT_EQ(fill.width, 1824);
    EXPECT_EQ(fill.height, 912);
    const PictureSize small = SizeWorthDecoding(640, 480, screen, PictureFit::kFill);
    EXPECT_EQ(small.width, 640);
    EXPECT_EQ(small.height, 480);
}

}  // namespace
}  // namespace altostrat
