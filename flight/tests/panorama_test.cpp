// One view across outputs of any size and place: what one logical pixel shows must not depend on
// which output's window it is seen through, so the horizon and every line run on across seams.
#include "flight/display/panorama.h"

#include <gtest/gtest.h>

#include <vector>

namespace altostrat {
namespace {

// Where a point of the view (at unit distance) lands in logical pixels, seen through OUTPUT's
// window: the linear map glFrustum and the viewport make of it.
double PixelX(const ScreenRect& output, const ViewWindow& view, double x) {
    return output.left + (x - view.left) / (view.right - view.left) * output.Width();
}
double PixelY(const ScreenRect& output, const ViewWindow& view, double y) {
    return output.top + (view.top - y) / (view.top - view.bottom) * output.Height();
}

void ExpectOneView(const std::vector<ScreenRect>& outputs, std::size_t lead) {
    const std::vector<ViewWindow> views = PanoramaViews(outputs, lead);
    ASSERT_EQ(views.size(), outputs.size());
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (const double x : {-3.0, -0.25, 0.0, 1.5, 4.0}) {
            EXPECT_NEAR(PixelX(outputs[i], views[i], x), PixelX(outputs[lead], views[lead], x),
                        1e-9);
            EXPECT_NEAR(PixelY(outputs[i], views[i], x), PixelY(outputs[lead], views[lead], x),
                        1e-9);
        }
    }
    // The camera's axis (the aircraft) at the lead's centre.
    const ScreenRect& r = outputs[lead];
    EXPECT_NEAR(PixelX(r, views[lead], 0.0), (r.left + r.right) / 2.0, 1e-9);
    EXPECT_NEAR(PixelY(r, views[lead], 0.0), (r.top + r.bottom) / 2.0, 1e-9);
}

TEST(Panorama, TheLeadSeesWhatASingleFlightSees) {
    const std::vector<ViewWindow> views =
        PanoramaViews({{0, 0, 1024, 768}, {1024, 200, 1424, 500}}, 0);
    EXPECT_DOUBLE_EQ(views[0].left, -4.0 / 3.0);
    EXPECT_DOUBLE_EQ(views[0].right, 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(views[0].bottom, -1.0);
    EXPECT_DOUBLE_EQ(views[0].top, 1.0);
    // The scale-2 output beside it, 400 x 300 logical, continues the view to the right.
    EXPECT_DOUBLE_EQ(views[1].left, 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(views[1].right, 912.0 / 384.0);
    EXPECT_DOUBLE_EQ(views[1].top, 184.0 / 384.0);
    EXPECT_DOUBLE_EQ(views[1].bottom, -116.0 / 384.0);
}

TEST(Panorama, EveryLayoutIsOneViewAroundTheLead) {
    ExpectOneView({{0, 0, 1024, 768}, {1024, 200, 1424, 500}}, 1);
    ExpectOneView({{-1920, -300, 0, 780}, {0, 0, 2560, 1440}, {0, 1440, 1280, 2160}}, 1);
    ExpectOneView({{0, 0, 1366, 768}, {1366, 0, 3286, 1080}}, 0);
    ExpectOneView({{0, 0, 1366, 768}, {1366, 0, 3286, 1080}}, 1);
}

TEST(Panorama, AnOutputComingOrGoingLeavesTheOthersAlone) {
    const std::vector<ViewWindow> two =
        PanoramaViews({{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}}, 0);
    const std::vector<ViewWindow> three =
        PanoramaViews({{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}, {0, 1024, 800, 1624}}, 0);
    for (std::size_t i = 0; i < two.size(); ++i) {
        EXPECT_DOUBLE_EQ(two[i].left, three[i].left);
        EXPECT_DOUBLE_EQ(two[i].right, three[i].right);
        EXPECT_DOUBLE_EQ(two[i].bottom, three[i].bottom);
        EXPECT_DOUBLE_EQ(two[i].top, three[i].top);
    }
}

TEST(Panorama, TheLeadIsTheFocusedOutputElseTheFirstShown) {
    const std::vector<ScreenRect> outputs = {{}, {0, 0, 800, 600}, {800, 0, 1600, 600}};
    EXPECT_EQ(PanoramaLead(outputs, 2), 2u);
    EXPECT_EQ(PanoramaLead(outputs, -1), 1u);
    EXPECT_EQ(PanoramaLead(outputs, 0), 1u);  // focused, but not shown (yet)
    EXPECT_EQ(PanoramaLead(outputs, 7), 1u);
    EXPECT_EQ(PanoramaLead({}, -1), 0u);
    // An output not shown borrows the lead's window rather than dividing by nothing.
    const std::vector<ViewWindow> views = PanoramaViews(outputs, 1);
    EXPECT_DOUBLE_EQ(views[0].right, views[1].right);
}

}  // namespace
}  // namespace altostrat
