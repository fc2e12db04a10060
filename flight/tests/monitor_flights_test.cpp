// Which monitor flies which part of the photograph of the whole virtual screen. The desks are
// the one Wine reported under Xephyr (a 1024 x 768 primary, an 800 x 600 monitor to its right,
// a 1824 x 768 virtual screen, photographed 1:1 from its top-left corner) and one worked out by
// hand with monitors left of and above the primary, whose virtual screen starts at negative
// coordinates while the photograph starts at (0, 0).
#include "flight/display/monitor_flights.h"

#include <gtest/gtest.h>

namespace altostrat {
namespace {

TEST(MonitorFlights, EachMonitorFliesItsOwnSliceFromAPlaceOfItsOwn) {
    // The second monitor listed first: the primary still flies first and takes the keyboard.
    const std::vector<Monitor> wine = {{{1024, 0, 1824, 600}, false}, {{0, 0, 1024, 768}, true}};
    const std::vector<MonitorFlight> two = DecideMonitorFlights(wine);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].window, (ScreenRect{0, 0, 1024, 768}));
    EXPECT_EQ(two[0].flightIndex, 0);
    EXPECT_EQ(SliceInPicture(two[0].slice, 1824, 768), (ScreenRect{0, 0, 1024, 768}));
    EXPECT_EQ(two[1].window, (ScreenRect{1024, 0, 1824, 600}));
    EXPECT_EQ(two[1].flightIndex, 1);
    EXPECT_EQ(SliceInPicture(two[1].slice, 1824, 768), (ScreenRect{1024, 0, 1824, 600}));
    // A photograph of half the size (or of another size) gives the same share of it.
    EXPECT_EQ(SliceInPicture(two[1].slice, 912, 384), (ScreenRect{512, 0, 912, 300}));

    // A 1920 x 1080 primary, a 1280 x 1024 monitor to its left reaching 200 above it, and a
    // 1024 x 768 one above it: the virtual screen runs from (-1280, -768) to (1920, 1080).
    const std::vector<Monitor> desk = {
        {{0, 0, 1920, 1080}, true}, {{-1280, -200, 0, 824}, false}, {{448, -768, 1472, 0}, false}};
    const std::vector<MonitorFlight> three = DecideMonitorFlights(desk);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].window, (ScreenRect{0, 0, 1920, 1080}));
    EXPECT_EQ(SliceInPicture(three[0].slice, 3200, 1848), (ScreenRect{1280, 768, 3200, 1848}));
    EXPECT_EQ(three[1].window, (ScreenRect{-1280, -200, 0, 824}));
    EXPECT_EQ(SliceInPicture(three[1].slice, 3200, 1848), (ScreenRect{0, 568, 1280, 1592}));
    EXPECT_EQ(SliceInPicture(three[2].slice, 3200, 1848), (ScreenRect{1728, 0, 2752, 768}));

    // Never outside the picture, however small it is; no slice at all is the whole picture.
    EXPECT_EQ(SliceInPicture(three[1].slice, 1, 1), (ScreenRect{0, 0, 1, 1}));
    EXPECT_EQ(SliceInPicture({}, 640, 480), (ScreenRect{0, 0, 640, 480}));
    const std::vector<MonitorFlight> none = DecideMonitorFlights({});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].window, (ScreenRect{0, 0, 1024, 768}));

    // The cut reads the picture's rows bottom first: of a 2 x 2 picture whose top row is 1, 2
    // and bottom row 3, 4, the right half of the top row is the pixel 2.
    RgbImage picture;
    picture.width = 2;
    picture.height = 2;
    picture.pixels = {3, 3, 3, 4, 4, 4, 1, 1, 1, 2, 2, 2};
    const RgbImage topRight = CutSlice(picture, {{1, 0, 2, 1}, 2, 2});
    EXPECT_EQ(topRight.width, 1);
    EXPECT_EQ(topRight.pixels, (std::vector<std::uint8_t>{2, 2, 2}));

    // Flight 0 starts where a single flight always has; every other flight somewhere else.
    const FlightState single;
    EXPECT_EQ(FlightStartFor(0).flightX, single.flightX);
    EXPECT_EQ(FlightStartFor(0).heading, single.heading);
    for (int i = 1; i < 3; ++i) {
        EXPECT_NE(FlightStartFor(i).flightX, FlightStartFor(i - 1).flightX);
        EXPECT_NE(FlightStartFor(i).heading, FlightStartFor(i - 1).heading);
    }
}

}  // namespace
}  // namespace altostrat
