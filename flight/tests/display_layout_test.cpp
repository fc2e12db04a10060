// Which window the flight gets and which monitors are covered. The arrangements are ones
// Windows reports: the two monitors Wine showed under Xephyr (a 1024 x 768 primary, an
// 800 x 600 monitor to its right, a 1824 x 768 virtual screen), and desks worked out by hand
// from the rule that monitor rectangles sit in one virtual screen around the primary.
#include "flight/display/display_layout.h"

#include <gtest/gtest.h>

namespace altostrat {
namespace {

using Rects = std::vector<ScreenRect>;

TEST(DisplayLayout, TwoMonitorsAsWineReportsThem) {
    const std::vector<Monitor> desk = {{{0, 0, 1024, 768}, true}, {{1024, 0, 1824, 600}, false}};

    const DisplayLayout switched = DecideDisplayLayout(desk, false, true);
    EXPECT_EQ(switched.flightWindow, (ScreenRect{0, 0, 1024, 768}));
    EXPECT_EQ(switched.covers, (Rects{{1024, 0, 1824, 600}}));
    EXPECT_EQ(switched.primaryPart, (ScreenRect{0, 0, 1024, 768}));

    // Monitors of different heights: the virtual screen Wine measured is 1824 x 768.
    const DisplayLayout across = DecideDisplayLayout(desk, true, false);
    EXPECT_EQ(across.flightWindow, (ScreenRect{0, 0, 1824, 768}));
    EXPECT_TRUE(across.covers.empty());
}

TEST(DisplayLayout, NegativeCoordinatesAPortraitMonitorAndAPrimaryAwayFromTheOrigin) {
    // A 1920 x 1080 primary with a landscape monitor up and to its left and a portrait one
    // (1080 x 1920) to its right, reaching above and below it.
    const std::vector<Monitor> desk = {{{-1680, -300, 0, 750}, false},
                                       {{0, 0, 1920, 1080}, true},
                                       {{1920, -420, 3000, 1500}, false}};
    const DisplayLayout refused = DecideDisplayLayout(desk, false, false);
    EXPECT_EQ(refused.flightWindow, (ScreenRect{0, 0, 1920, 1080}));
    EXPECT_EQ(refused.covers, (Rects{{-1680, -300, 0, 750}, {1920, -420, 3000, 1500}}));
    EXPECT_EQ(refused.primaryPart, (ScreenRect{0, 0, 1920, 1080}));

    const DisplayLayout across = DecideDisplayLayout(desk, true, false);
    EXPECT_EQ(across.flightWindow, (ScreenRect{-1680, -420, 3000, 1500}));
    EXPECT_EQ(across.flightWindow.Width(), 4680);
    EXPECT_EQ(across.flightWindow.Height(), 1920);
    EXPECT_TRUE(across.covers.empty());
    // The primary's own part of the window, where its clock goes.
    EXPECT_EQ(across.primaryPart, (ScreenRect{1680, 420, 3600, 1500}));

    // The primary listed second and not at the origin: the flight still follows the flag, and
    // a switch gives it 1024 x 768 from its own corner; the portrait monitor is covered whole.
    const std::vector<Monitor> shifted = {{{0, 0, 1080, 1920}, false},
                                          {{-1280, 200, 0, 1224}, true}};
    const DisplayLayout switched = DecideDisplayLayout(shifted, false, true);
    EXPECT_EQ(switched.flightWindow, (ScreenRect{-1280, 200, -256, 968}));
    EXPECT_EQ(switched.covers, (Rects{{0, 0, 1080, 1920}}));
}

TEST(DisplayLayout, OneMonitorARefusedSwitchAndAListReadBeforeTheSwitchTookHold) {
    const std::vector<Monitor> wide = {{{0, 0, 1280, 800}, true}};
    // The switch refused: the whole 1280 x 800 screen, no cover.
    const DisplayLayout refused = DecideDisplayLayout(wide, false, false);
    EXPECT_EQ(refused.flightWindow, (ScreenRect{0, 0, 1280, 800}));
    EXPECT_TRUE(refused.covers.empty());
    // The switch made, but the list still gives the old size: the screen shows 1024 x 768.
    const DisplayLayout switched = DecideDisplayLayout(wide, false, true);
    EXPECT_EQ(switched.flightWindow, (ScreenRect{0, 0, 1024, 768}));
    EXPECT_TRUE(switched.covers.empty());
    const DisplayLayout across = DecideDisplayLayout(wide, true, false);
    EXPECT_EQ(across.flightWindow, (ScreenRect{0, 0, 1280, 800}));
    EXPECT_TRUE(across.covers.empty());
}

TEST(DisplayLayout, NoPrimaryFlagOrNoMonitorAtAll) {
    // Without the flag the monitor holding the origin is the primary, as Windows defines it.
    const std::vector<Monitor> unflagged = {{{-800, 0, 0, 600}, false},
                                            {{0, 0, 1280, 1024}, false}};
    const DisplayLayout layout = DecideDisplayLayout(unflagged, false, false);
    EXPECT_EQ(layout.flightWindow, (ScreenRect{0, 0, 1280, 1024}));
    EXPECT_EQ(layout.covers, (Rects{{-800, 0, 0, 600}}));

    const DisplayLayout none = DecideDisplayLayout({}, false, false);
    EXPECT_EQ(none.flightWindow, (ScreenRect{0, 0, 1024, 768}));
    EXPECT_TRUE(none.covers.empty());
}

}  // namespace
}  // namespace altostrat
