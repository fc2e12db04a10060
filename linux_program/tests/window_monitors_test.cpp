// Which monitors a window covers, on the two-monitor desk the X scenarios run: Xephyr's two
// Xinerama heads, a 1024 x 768 primary and an 800 x 600 monitor to its right (the root window
// 1824 x 768), and the same desk with the second monitor to the primary's left, as xrandr lays
// it out with "--left-of".
#include <gtest/gtest.h>

#include <vector>

#include "linux_program/run/window_monitors.h"

namespace altostrat {
namespace {

const std::vector<Monitor> kDesk = {{{0, 0, 1024, 768}, true}, {{1024, 0, 1824, 600}, false}};
const std::vector<Monitor> kLeftDesk = {{{800, 0, 1824, 768}, true}, {{0, 0, 800, 600}, false}};

TEST(WindowFlights, EachMonitorTheWindowCoversFliesItsOwnPartOfTheWindowsPicture) {
    // The whole screen, standalone or on the root window: both monitors, the primary first.
    std::vector<MonitorFlight> flights = DecideWindowFlights(kDesk, {0, 0, 1824, 768});
    ASSERT_EQ(flights.size(), 2u);
    EXPECT_EQ(flights[0].window, (ScreenRect{0, 0, 1024, 768}));
    EXPECT_EQ(flights[0].slice.part, (ScreenRect{0, 0, 1024, 768}));
    EXPECT_EQ(flights[0].slice.wholeWidth, 1824);
    EXPECT_EQ(flights[0].slice.wholeHeight, 768);
    EXPECT_EQ(flights[0].flightIndex, 0);
    EXPECT_EQ(flights[1].window, (ScreenRect{1024, 0, 1824, 600}));
    EXPECT_EQ(flights[1].slice.part, (ScreenRect{1024, 0, 1824, 600}));
    EXPECT_EQ(flights[1].flightIndex, 1);

    // The primary on the right: its flight still comes first, over the right of the picture.
    flights = DecideWindowFlights(kLeftDesk, {0, 0, 1824, 768});
    ASSERT_EQ(flights.size(), 2u);
    EXPECT_EQ(flights[0].window, (ScreenRect{800, 0, 1824, 768}));
    EXPECT_EQ(flights[1].window, (ScreenRect{0, 0, 800, 600}));

    // A window across the bezel covers a part of each, in its own pixels and picture.
    flights = DecideWindowFlights(kDesk, {824, 100, 1224, 400});
    ASSERT_EQ(flights.size(), 2u);
    EXPECT_EQ(flights[0].window, (ScreenRect{0, 0, 200, 300}));
    EXPECT_EQ(flights[1].window, (ScreenRect{200, 0, 400, 300}));
    EXPECT_EQ(flights[1].slice.part, (ScreenRect{200, 0, 400, 300}));
    EXPECT_EQ(flights[1].slice.wholeWidth, 400);
    EXPECT_EQ(flights[1].slice.wholeHeight, 300);

    // xscreensaver's preview on the second monitor, a window touching the bezel from one side,
    // a desk of one monitor, or no monitors reported: one flight, as without the option.
    EXPECT_TRUE(DecideWindowFlights(kDesk, {1100, 100, 1500, 400}).empty());
    EXPECT_TRUE(DecideWindowFlights(kDesk, {624, 100, 1024, 400}).empty());
    EXPECT_TRUE(DecideWindowFlights({kDesk[0]}, {0, 0, 1024, 768}).empty());
    EXPECT_TRUE(DecideWindowFlights({}, {0, 0, 1024, 768}).empty());
}

}  // namespace
}  // namespace altostrat
