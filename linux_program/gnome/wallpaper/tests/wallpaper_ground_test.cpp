// GNOME's wallpaper laid over two monitors of different shapes, from the settings' text through
// a WebP file (as GNOME's own wallpapers are) to the laid ground: for each picture-options value,
// where the picture's red quarter lands on each monitor, against the rectangles worked out by
// hand from GNOME's rule for that value.
#include <gtest/gtest.h>
#include <unistd.h>
#include <webp/encode.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "linux_program/gnome/wallpaper/wallpaper_ground.h"

namespace altostrat {
namespace {

// 40 x 20: the left quarter red, the rest green; lossless, so the colours come back exact.
std::string WriteWallpaper() {
    std::vector<std::uint8_t> pixels(40 * 20 * 3);
    for (std::size_t i = 0; i < 40 * 20; ++i) {
        const bool red = i % 40 < 10;
        pixels[i * 3] = red ? 255 : 0;
        pixels[i * 3 + 1] = red ? 0 : 255;
    }
    std::uint8_t* bytes = nullptr;
    const std::size_t size = WebPEncodeLosslessRGB(pixels.data(), 40, 20, 40 * 3, &bytes);
    const std::string path =
        ::testing::TempDir() + "wallpaper_" + std::to_string(getpid()) + " sea.webp";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    EXPECT_EQ(std::fwrite(bytes, 1, size, file), size);
    std::fclose(file);
    WebPFree(bytes);
    return path;
}

// The smallest rectangle holding every red pixel of AREA; empty when there is none.
ScreenRect RedIn(const RgbPicture& laid, const ScreenRect& area) {
    ScreenRect red{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const std::uint8_t* p =
                &laid.pixels[(static_cast<std::size_t>(y) * laid.width + x) * 3];
            if (p[0] > 128 && p[1] < 128) {
                red = {std::min(red.left, x), std::min(red.top, y), std::max(red.right, x + 1),
                       std::max(red.bottom, y + 1)};
            }
        }
    }
    return red.right > red.left ? red : ScreenRect{};
}

struct Row {
    const char* option;
    ScreenRect onWide;  // the red quarter's bounds on the 100 x 50 monitor
    ScreenRect onTall;  // and on the 60 x 80 one right of it
};

TEST(WallpaperGround, EachOptionLaysThePictureWhereGnomeDoes) {
    const std::string path = WriteWallpaper();
    // GNOME's Settings writes the file's URI percent-encoded.
    std::string uri = "file://" + path;
    uri.replace(uri.find(' '), 1, "%20");
    const ScreenRect wide{0, 0, 100, 50}, tall{100, 0, 160, 80}, canvas{0, 0, 160, 80};
    const Row rows[] = {
        // Filled and cropped: 100 x 50 on the wide one; 160 x 80 centred on the tall one, its red
        // quarter cut off left of it.
        {"zoom", {0, 0, 25, 50}, {}},
        // Inside each, centred: all of the wide one; 60 x 30 in the tall one's middle.
        {"scaled", {0, 0, 25, 50}, {100, 25, 115, 55}},
        {"stretched", {0, 0, 25, 50}, {100, 0, 115, 80}},
        // Its own size, centred in each.
        {"centered", {30, 15, 40, 35}, {110, 30, 120, 50}},
        // Its own size, one pattern across both from the screen's corner.
        {"wallpaper", {0, 0, 90, 50}, {120, 0, 130, 80}},
        // One copy filling both as one, 160 x 80.
        {"spanned", {0, 0, 40, 50}, {}},
        {"none", {}, {}},
    };
    for (const Row& row : rows) {
        const WallpaperTexts texts{"'" + uri + "'", "", std::string("'") + row.option + "'",
                                   "'#023c88'", "'default'"};
        const WallpaperGround ground = LayWallpaper(ReadWallpaper(texts), canvas, {wide, tall});
        EXPECT_EQ(ground.note, "") << row.option;
        ASSERT_EQ(ground.laid.width, 160);
        ASSERT_EQ(ground.laid.height, 80);
        EXPECT_EQ(RedIn(ground.laid, wide), row.onWide) << row.option;
        EXPECT_EQ(RedIn(ground.laid, tall), row.onTall) << row.option;
    }
    // Where nothing is laid the colour shows: around the centred picture, and everywhere when
    // the file named is gone.
    const WallpaperTexts centred{"'" + uri + "'", "", "'centered'", "'#023c88'", ""};
    const RgbPicture around = LayWallpaper(ReadWallpaper(centred), canvas, {wide, tall}).laid;
    EXPECT_EQ(std::vector<std::uint8_t>(around.pixels.begin(), around.pixels.begin() + 3),
              (std::vector<std::uint8_t>{0x02, 0x3c, 0x88}));
    std::remove(path.c_str());
    const WallpaperGround gone = LayWallpaper(ReadWallpaper(centred), canvas, {wide, tall});
    EXPECT_EQ(gone.note, path + ": no such file");
    EXPECT_EQ(RedIn(gone.laid, canvas), ScreenRect{});
    EXPECT_EQ(std::count(gone.laid.pixels.begin(), gone.laid.pixels.end(), 0x88), 160 * 80);
}

}  // namespace
}  // namespace altostrat
