// Which monitors a window covers, on the two-monitor desk the X scenarios run: Xephyr's two
// Xinerama heads, a 1024 x 768 primary and an 800 x 600 monitor to its right (the root window
// 1824 x 768), and the same desk with the second monitor to the primary's left, as xrandr lays
// it out with "--left-of". Then the heads X lists for mirrored monitors, as xrandr's "--same-as"
// makes them: a laptop mirrored to a projector of its own size (two heads of one rectangle), or
// to a smaller one (its head in the laptop's corner), beside a monitor of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "linux_program/x11/fullscreen_monitors.h"
#include "linux_program/x11/window_monitors.h"

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

TEST(WindowFlights, AMirroredMonitorFliesOnceAndGapsAreFoundByTheUnionOfTheHeads) {
    const Monitor laptop{{0, 0, 1920, 1080}, true};
    const Monitor projector{{0, 0, 1920, 1080}, false};
    const Monitor smallProjector{{0, 0, 1024, 768}, false};
    const Monitor external{{1920, 0, 3200, 1024}, false};
    const ScreenRect root{0, 0, 3200, 1080};

    // Mirrored and nothing else: one place, one flight, as without the option.
    EXPECT_TRUE(DecideWindowFlights({laptop, projector}, {0, 0, 1920, 1080}).empty());
    EXPECT_TRUE(DecideWindowFlights({projector, laptop}, {0, 0, 1920, 1080}).empty());
    EXPECT_TRUE(DecideWindowFlights({laptop, smallProjector}, {0, 0, 1920, 1080}).empty());

    // Beside a monitor of their own: two flights, the laptop's first.
    for (const Monitor& mirror : {projector, smallProjector}) {
        const std::vector<MonitorFlight> flights =
            DecideWindowFlights({mirror, laptop, external}, root);
        ASSERT_EQ(flights.size(), 2u);
        EXPECT_EQ(flights[0].window, laptop.bounds);
        EXPECT_EQ(flights[1].window, external.bounds);
    }
    // The primary mirrored into the corner of a larger one: the larger leads in its stead.
    Monitor primaryProjector = smallProjector;
    primaryProjector.primary = true;
    Monitor plainLaptop = laptop;
    plainLaptop.primary = false;
    std::vector<MonitorFlight> flights =
        DecideWindowFlights({external, plainLaptop, primaryProjector}, root);
    ASSERT_EQ(flights.size(), 2u);
    EXPECT_EQ(flights[0].window, laptop.bounds);
    EXPECT_EQ(flights[0].flightIndex, 0);
    EXPECT_EQ(flights[1].window, external.bounds);

    // The desk's two monitors leave the 224 x 168 corner below the smaller one uncovered; two
    // overlapping heads that cover more than the window's area between them can still leave a
    // corner (1024..1824 x 700..768); overlapping ones that reach every edge leave none.
    const ScreenRect desk{0, 0, 1824, 768};
    EXPECT_TRUE(FlightsLeaveGaps(DecideWindowFlights(kDesk, desk), 1824, 768));
    const Monitor wide{{624, 0, 1824, 700}, false};
    EXPECT_TRUE(FlightsLeaveGaps(DecideWindowFlights({kDesk[0], wide}, desk), 1824, 768));
    const Monitor tall{{624, 0, 1824, 768}, false};
    EXPECT_FALSE(FlightsLeaveGaps(DecideWindowFlights({kDesk[0], tall}, desk), 1824, 768));
}

}  // namespace
}  // namespace altostrat

namespace altostrat {
namespace {

// The monitors a managed full-screen window names to span them all, on desks as X lists them:
// the rectangle the named monitors' edges bound must be every head's bounding rectangle. GNOME's
// two virtual monitors side by side take 0 0 0 1, the indices that covered both when tried there.
TEST(FullScreenMonitors, TheNamedEdgesBoundEveryMonitor) {
    struct Case {
        const char* what;
        std::vector<ScreenRect> heads;
        FullScreenMonitors expected;
    };
    const Case cases[] = {
        {"GNOME's 1024 x 768 and 800 x 600 side by side",
         {{0, 0, 1024, 768}, {1024, 0, 1824, 600}},
         {0, 0, 0, 1}},
        {"the smaller one on the left", {{800, 0, 1824, 768}, {0, 0, 800, 600}}, {0, 0, 1, 0}},
        {"stacked, the second above", {{0, 600, 1024, 1368}, {112, 0, 912, 600}}, {1, 0, 0, 0}},
        {"three in a row, the primary in the middle",
         {{1280, 0, 3200, 1080}, {0, 56, 1280, 1080}, {3200, 0, 4480, 1024}},
         {0, 0, 1, 2}},
        {"a mirrored pair beside a third",
         {{0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {1920, 0, 3840, 1080}},
         {0, 0, 0, 2}},
        {"one below the other's right half, reaching further right",
         {{0, 0, 1920, 1080}, {1200, 1080, 2480, 2104}},
         {0, 1, 0, 1}},
    };
    for (const Case& c : cases) {
        FullScreenMonitors span;
        ASSERT_TRUE(SpanAllMonitors(c.heads, span)) << c.what;
        EXPECT_EQ(span.top, c.expected.top) << c.what;
        EXPECT_EQ(span.bottom, c.expected.bottom) << c.what;
        EXPECT_EQ(span.left, c.expected.left) << c.what;
        EXPECT_EQ(span.right, c.expected.right) << c.what;
        ScreenRect bounds = c.heads[0];
        for (const ScreenRect& head : c.heads) {
            bounds = {std::min(bounds.left, head.left), std::min(bounds.top, head.top),
                      std::max(bounds.right, head.right), std::max(bounds.bottom, head.bottom)};
        }
        const ScreenRect spanned = {c.heads[span.left].left, c.heads[span.top].top,
                                    c.heads[span.right].right, c.heads[span.bottom].bottom};
        EXPECT_EQ(spanned, bounds) << c.what;
    }
    FullScreenMonitors none;
    EXPECT_FALSE(SpanAllMonitors({{0, 0, 1024, 768}}, none));
    EXPECT_FALSE(SpanAllMonitors({}, none));
}

}  // namespace
}  // namespace altostrat
