// The outputs' photographs laid into one picture of the desktop. Pictures are written as rows of
// letters, one a pixel (R red, G green, B blue, W white, Y yellow, C cyan, M magenta, . black),
// so each case shows where every pixel must land. A buffer is made the way the compositor makes
// it, as wl_output's transforms describe: the upright picture flipped about the vertical axis for
// the flipped ones, then turned a quarter turn counter-clockwise per step; a y-inverted buffer
// holds its rows bottom first.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "linux_program/wayland/capture/shots_layout.h"

namespace altostrat {
namespace {

using Rows = std::vector<std::string>;

std::uint32_t Colour(char letter) {
    switch (letter) {
        case 'R':
            return 0xFF0000;
        case 'G':
            return 0x00FF00;
        case 'B':
            return 0x0000FF;
        case 'W':
            return 0xFFFFFF;
        case 'Y':
            return 0xFFFF00;
        case 'C':
            return 0x00FFFF;
        case 'M':
            return 0xFF00FF;
        default:
            return 0;
    }
}

char Letter(const std::uint8_t* rgb) {
    for (char letter : std::string("RGBWYCM")) {
        const std::uint32_t c = Colour(letter);
        if (rgb[0] == (c >> 16 & 0xFF) && rgb[1] == (c >> 8 & 0xFF) && rgb[2] == (c & 0xFF)) {
            return letter;
        }
    }
    return rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0 ? '.' : '?';
}

Rows Turned(const Rows& rows) {  // a quarter turn counter-clockwise
    const int w = static_cast<int>(rows[0].size());
    Rows turned(w, std::string(rows.size(), ' '));
    for (int y = 0; y < w; ++y) {
        for (std::size_t x = 0; x < rows.size(); ++x) {
            turned[y][x] = rows[x][w - 1 - y];
        }
    }
    return turned;
}

Rows AsDelivered(Rows rows, int transform) {
    if (transform >= kTransformFlipped) {
        for (std::string& row : rows) {
            row = std::string(row.rbegin(), row.rend());
        }
    }
    for (int turn = 0; turn < (transform & 3); ++turn) {
        rows = Turned(rows);
    }
    return rows;
}

// ROWS as a buffer: XRGB8888 (bytes B G R x) or XRGB2101010, four bytes of padding a line.
struct Buffer {
    std::vector<std::uint8_t> bytes;
    ShotPixels shot;
};
Buffer MakeBuffer(const Rows& rows, bool yInverted, int transform, bool tenBits = false) {
    Buffer buffer;
    const int w = static_cast<int>(rows[0].size());
    const int h = static_cast<int>(rows.size());
    const std::size_t stride = w * 4 + 4;
    buffer.bytes.assign(stride * h, 0xEE);
    for (int y = 0; y < h; ++y) {
        const int line = yInverted ? h - 1 - y : y;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = Colour(rows[y][x]);
            std::uint32_t word = c | 0xFF000000u;
            if (tenBits) {
                const auto ten = [c](int shift) { return (c >> shift & 0xFF) * 1023 / 255; };
                word = ten(16) << 20 | ten(8) << 10 | ten(0);
            }
            for (int i = 0; i < 4; ++i) {
                buffer.bytes[line * stride + x * 4 + i] = static_cast<std::uint8_t>(word >> 8 * i);
            }
        }
    }
    buffer.shot.width = w;
    buffer.shot.height = h;
    buffer.shot.data = buffer.bytes.data();
    buffer.shot.size = buffer.bytes.size();
    buffer.shot.stride = stride;
    buffer.shot.format = tenBits ? ShotFormat::kXrgb2101010 : ShotFormat::kXrgb8888;
    buffer.shot.yInverted = yInverted;
    buffer.shot.transform = transform;
    return buffer;
}

RgbPicture Canvas(int width, int height) {
    RgbPicture canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.pixels.assign(static_cast<std::size_t>(width) * height * 3, 0);
    return canvas;
}

Rows Letters(const RgbPicture& canvas) {
    Rows rows(canvas.height);
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            rows[y] += Letter(&canvas.pixels[(static_cast<std::size_t>(y) * canvas.width + x) * 3]);
        }
    }
    return rows;
}

TEST(ShotsLayout, EveryTransformAndYInversionComesOutUpright) {
    const Rows upright = {"RGB", "YCM"};
    // The quarter turn, by hand: the right column becomes the top row.
    ASSERT_EQ(AsDelivered(upright, kTransform90), (Rows{"BM", "GC", "RY"}));
    ASSERT_EQ(AsDelivered(upright, kTransformFlipped), (Rows{"BGR", "MCY"}));
    for (int transform = 0; transform < 8; ++transform) {
        for (bool yInverted : {false, true}) {
            const Buffer buffer = MakeBuffer(AsDelivered(upright, transform), yInverted, transform);
            int w = 0;
            int h = 0;
            UprightSize(buffer.shot.width, buffer.shot.height, transform, w, h);
            EXPECT_EQ(w, 3);
            EXPECT_EQ(h, 2);
            RgbPicture canvas = Canvas(3, 2);
            ASSERT_TRUE(LayShot(buffer.shot, ScreenRect{0, 0, 3, 2}, canvas));
            EXPECT_EQ(Letters(canvas), upright) << transform << (yInverted ? " y-inverted" : "");
        }
    }
}

TEST(ShotsLayout, OutputsLandInTheLogicalLayoutAtTheLargestScale) {
    // A at scale 1, B at scale 2 in 10 bits a channel and y-inverted, right of A; C at scale 1
    // below and left of A, so the layout starts at a negative x. The picture is at scale 2: A
    // and C are doubled, B is copied, and what no output covers is black.
    const std::vector<OutputPlace> places = {
        {ScreenRect{0, 0, 2, 1}, 2, 1},
        {ScreenRect{2, 0, 3, 1}, 2, 2},
        {ScreenRect{-1, 1, 0, 2}, 1, 1},
    };
    const CanvasPlan plan = PlanCanvas(places, 8192);
    EXPECT_EQ(plan.logical, (ScreenRect{-1, 0, 3, 2}));
    ASSERT_EQ(plan.width, 8);
    ASSERT_EQ(plan.height, 4);
    const Buffer a = MakeBuffer({"RG"}, false, kTransformNormal);
    const Buffer b = MakeBuffer({"BW", "YC"}, true, kTransformNormal, true);
    const Buffer c = MakeBuffer({"M"}, false, kTransformNormal);
    RgbPicture canvas = Canvas(plan.width, plan.height);
    ASSERT_TRUE(LayShot(a.shot, plan.outputs[0], canvas));
    ASSERT_TRUE(LayShot(b.shot, plan.outputs[1], canvas));
    ASSERT_TRUE(LayShot(c.shot, plan.outputs[2], canvas));
    EXPECT_EQ(Letters(canvas), (Rows{"..RRGGBW", "..RRGGYC", "MM......", "MM......"}));

    // Four pixels squeezed into two take the second and fourth (the pixels' centres); two
    // stretched over three give the second twice.
    RgbPicture narrow = Canvas(4, 1);
    const Buffer wide = MakeBuffer({"RGBW"}, false, kTransformNormal);
    ASSERT_TRUE(LayShot(wide.shot, ScreenRect{0, 0, 2, 1}, narrow));
    ASSERT_TRUE(LayShot(MakeBuffer({"YC"}, false, 0).shot, ScreenRect{1, 0, 4, 1}, narrow));
    EXPECT_EQ(Letters(narrow), (Rows{"GYCC"}));

    // Without xdg-output, a rotated output at scale 2 covers its mode upright, halved.
    EXPECT_EQ(LogicalFromMode(100, 0, 1920, 1080, 2, kTransform90), (ScreenRect{100, 0, 640, 960}));
}

TEST(ShotsLayout, AVeryWideDesktopIsPlannedWithinTheLongestSide) {
    // Three 4K screens at scale 1 and a laptop at scale 2 beside them: scale 2 would make the
    // picture 25920 pixels wide; it is held to 8192, the outputs still edge to edge.
    const std::vector<OutputPlace> places = {
        {ScreenRect{0, 0, 3840, 2160}, 3840, 2160},
        {ScreenRect{3840, 0, 7680, 2160}, 3840, 2160},
        {ScreenRect{7680, 0, 11520, 2160}, 3840, 2160},
        {ScreenRect{11520, 0, 12960, 900}, 2880, 1800},
    };
    const CanvasPlan wide = PlanCanvas(places, 100000);
    EXPECT_EQ(wide.width, 25920);
    EXPECT_EQ(wide.height, 4320);
    const CanvasPlan plan = PlanCanvas(places, 8192);
    EXPECT_EQ(plan.width, 8192);
    EXPECT_EQ(plan.height, 1365);
    ASSERT_EQ(plan.outputs.size(), 4u);
    EXPECT_EQ(plan.outputs[0].left, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(plan.outputs[i].right, plan.outputs[i + 1].left);
    }
    EXPECT_EQ(plan.outputs[3].right, 8192);
    EXPECT_EQ(plan.outputs[3].bottom, 569);  // 900 of 2160 logical rows
    // An output without a logical place yet has none in the picture; none at all, no picture.
    EXPECT_EQ(PlanCanvas({{ScreenRect(), 100, 100}}, 8192).width, 0);
}

TEST(ShotsLayout, ABufferShortOfItsSizeOrInAnUnknownLayoutIsRefused) {
    const Buffer good = MakeBuffer({"RG", "BW"}, false, kTransformNormal);
    std::vector<ShotPixels> bad(5, good.shot);
    bad[0].size = good.shot.stride + 7;    // the last line's pixels one byte short
    bad[1].stride = 7;                     // lines shorter than two pixels
    bad[2].format = ShotFormat::kUnknown;  // a layout not taken
    bad[3].transform = 8;                  // no such transform
    bad[4].height = 3;                     // more lines than the bytes hold
    for (const ShotPixels& shot : bad) {
        RgbPicture canvas = Canvas(2, 2);
        EXPECT_FALSE(LayShot(shot, ScreenRect{0, 0, 2, 2}, canvas));
        EXPECT_EQ(Letters(canvas), (Rows{"..", ".."}));
    }
    RgbPicture canvas = Canvas(2, 2);
    EXPECT_TRUE(LayShot(good.shot, ScreenRect{0, 0, 2, 2}, canvas));
    EXPECT_EQ(Letters(canvas), (Rows{"RG", "BW"}));
}

}  // namespace
}  // namespace altostrat
