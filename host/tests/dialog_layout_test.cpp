// The settings dialog's numbers: twips to pixels, its place on the screen, the tiling of the
// panel and the background gradient (against a plain reference computation), and the direction
// of the zoom effects.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "host/dialog/dialog_layout.h"
#include "host/dialog/zoom_path.h"

namespace altostrat {
namespace {

TEST(DialogLayout, PixelsPlaceAndTiles) {
    EXPECT_EQ(TwipsToPixels(kDialogClientWidthTwips, 96), 496);
    // 246 pixels for the music alone and 150 for the 画面 section under it (a heading and five
    // rows of 20); at 120, 144 and 192 DPI exactly 1.25, 1.5 and 2 times that.
    EXPECT_EQ(TwipsToPixels(kDialogClientHeightTwips, 96), 246 + 150);
    EXPECT_EQ(TwipsToPixels(kDialogClientWidthTwips, 144), 744);
    EXPECT_EQ(TwipsToPixels(kDialogClientHeightTwips, 120), 495);
    EXPECT_EQ(TwipsToPixels(kDialogClientHeightTwips, 144), 594);
    EXPECT_EQ(TwipsToPixels(kDialogClientHeightTwips, 192), 792);
    EXPECT_EQ(TwipsToPixels(1665, 120), 139);  // 138.75
    EXPECT_EQ(TwipsToPixels(2475, 144), 248);  // 247.5 rounds up
    EXPECT_EQ(TwipsToPixels(-15, 96), -1);

    EXPECT_EQ(DialogPosition(1024, 768, 502, 272).x, 261);
    EXPECT_EQ(DialogPosition(1024, 768, 502, 272).y, 165);
    EXPECT_EQ(DialogPosition(400, 200, 503, 272).x, -51);  // toward zero, not down
    EXPECT_EQ(DialogPosition(400, 200, 503, 272).y, -24);

    // A 10 x 5 panel under a 4 x 2 strip: columns at 0, 4, 8, 12, each to y = 6 (> 5).
    const std::vector<PixelPoint> tiles = TilePositions(10, 5, 4, 2);
    ASSERT_EQ(tiles.size(), 16u);
    EXPECT_EQ(tiles[3].x, 0);
    EXPECT_EQ(tiles[3].y, 6);
    EXPECT_EQ(tiles[4].x, 4);
    EXPECT_EQ(tiles[4].y, 0);
    EXPECT_EQ(tiles.back().x, 12);
    EXPECT_EQ(tiles.back().y, 6);
    // The dialog's panel (469 x 165) under its 556 x 20 strip: one column of strips.
    const std::vector<PixelPoint> panel = TilePositions(469, 165, 556, 20);
    EXPECT_EQ(panel.size(), 2u * 10u);
    EXPECT_TRUE(TilePositions(469, 165, 0, 20).empty());
    // At 150 % the panel (704 wide) under the strip scaled to 834 x 30: one column inside the
    // panel (the next starts past its right edge and is cut away), so the strip's light start
    // never shows a second time across the panel. Unscaled (556) it would, at 556.
    for (const PixelPoint& at : TilePositions(704, 443, 834, 30)) {
        EXPECT_TRUE(at.x == 0 || at.x >= 704) << at.x;
    }
    EXPECT_EQ(TilePositions(704, 443, 556, 20).back().x, 556 * 2);
    EXPECT_TRUE(TilePositions(469, 165, 556, 0).empty());
}

TEST(DialogLayout, TheFirstTextThatFits) {
    EXPECT_EQ(FittingText({300, 240, 120}, 304), 0u);
    EXPECT_EQ(FittingText({300, 240, 120}, 300), 0u);  // touching the edge fits
    EXPECT_EQ(FittingText({400, 240, 120}, 299), 1u);
    EXPECT_EQ(FittingText({400, 340, 120}, 200), 2u);
    EXPECT_EQ(FittingText({400, 340, 220}, 200), 2u);  // none fits: the shortest, cut
    EXPECT_EQ(FittingText({}, 200), 0u);
}

// The left column's captions end before the 景色 column with 120 twips to spare, and the 景色
// captions before the panel's right edge (7215) with as much; what runs further moves the
// column, and widens the form, by whole steps of 60 twips.
TEST(DialogLayout, TheDialogGrowsByWholeStepsWhereACaptionRunsPastItsRoom) {
    const struct {
        std::vector<int> left;
        std::vector<int> right;
        int column;
        int width;
    } rows[] = {
        {{}, {}, 0, 0},
        {{2000, 3870}, {7095}, 0, 0},  // both just fit
        {{3871}, {}, 60, 60},          // one twip too long: a whole step
        {{2000, 3930}, {}, 60, 60},
        {{3931}, {6000}, 120, 120},  // the moved 景色 captions still fit
        {{}, {7096}, 0, 60},         // only the right side is too long
        {{3990}, {7200}, 120, 240},
    };
    for (const auto& row : rows) {
        const DialogGrowth growth = GrowthFor(row.left, row.right);
        EXPECT_EQ(growth.column, row.column) << row.column << " " << row.width;
        EXPECT_EQ(growth.width, row.width) << row.column << " " << row.width;
    }
}

TEST(DialogLayout, BackgroundGradient) {
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    for (int height : {1, 2, 246, 369}) {
        const std::vector<std::uint8_t> rows = GradientRows(height);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(height) + 1);
        for (int i = 0; i <= height; ++i) {
            const double reference = std::nearbyint(std::fabs(std::sin(i * 3.142 / height)) * 220);
            EXPECT_NEAR(rows[i], reference, 0.0) << height << " row " << i;
        }
    }
    EXPECT_EQ(GradientRows(246)[123], 220);
    EXPECT_EQ(GradientRows(246)[0], 0);
    EXPECT_TRUE(GradientRows(0).empty());
    EXPECT_TRUE(GradientRows(-4).empty());
}

TEST(ZoomPath, OpensFromTheAnchorAndClosesIntoIt) {
    const ScreenRect window{261, 165, 763, 437};
    const ZoomPath open = ZoomPathFor(ZoomDirection::kOpen, 700, 500, window);
    const ZoomPath close = ZoomPathFor(ZoomDirection::kClose, 700, 500, window);
    auto same = [](const ScreenRect& a, const ScreenRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    EXPECT_TRUE(same(open.from, ScreenRect{700, 500, 700, 500}));
    EXPECT_TRUE(same(open.to, window));
    EXPECT_TRUE(same(close.from, window));
    EXPECT_TRUE(same(close.to, ScreenRect{700, 500, 700, 500}));
    // Unreadable mouse position: the screen's top-left corner.
    EXPECT_TRUE(same(ZoomPathFor(ZoomDirection::kOpen, 0, 0, window).from, ScreenRect{}));
    EXPECT_TRUE(same(ZoomPathFor(ZoomDirection::kClose, 0, 0, window).to, ScreenRect{}));
    // Negative anchors (a monitor left of the primary one) stay negative.
    EXPECT_EQ(ZoomPathFor(ZoomDirection::kOpen, -300, -20, window).from.left, -300);
}

}  // namespace
}  // namespace altostrat
