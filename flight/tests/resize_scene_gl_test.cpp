#include "flight/scene/resize_scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "flight/gl/gl_headers.h"
#include "tools/offscreen/offscreen_context.h"

namespace altostrat {
namespace {

class ResizeSceneTest : public ::testing::Test {
  protected:
    OffscreenContext context{1024, 768};
    void SetUp() override { ASSERT_TRUE(context.Valid()); }

    static void ExpectProjection(double aspect) {
        GLdouble m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
        const double zNear = static_cast<double>(0.9f), zFar = 50000.0;
        EXPECT_NEAR(m[0], f / aspect, 1e-5 * f / aspect);
        EXPECT_NEAR(m[5], f, 1e-5);
        EXPECT_NEAR(m[10], (zFar + zNear) / (zNear - zFar), 1e-6);
        EXPECT_NEAR(m[11], -1.0, 1e-9);
        EXPECT_NEAR(m[14], 2.0 * zFar * zNear / (zNear - zFar), 1e-6);
    }
};

TEST_F(ResizeSceneTest, SetsViewportAndPerspectiveAndLeavesModelViewSelected) {
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1.0f, 2.0f, 3.0f);
    ResizeScene(1024, 768);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], 1024);
    EXPECT_EQ(viewport[3], 768);
    ExpectProjection(1024.0 / 768.0);

    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLdouble mv[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    EXPECT_EQ(mv[12], 0.0);
    EXPECT_EQ(mv[14], 0.0);
}

TEST_F(ResizeSceneTest, ZeroHeightIsTakenAsOne) {
    ResizeScene(800, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 1);
    ExpectProjection(800.0);
}

// One flight across a 1024 x 768 primary and an 800 x 600 monitor to its right (Wine's two
// monitors): the point the camera looks at, straight ahead of it, must come out at the primary's
// centre in the window's pixels, as GLU projects it through the matrices GL holds; the vertical
// field of view stays 45 degrees, so the picture keeps its scale.
TEST_F(ResizeSceneTest, TheLookAtPointLandsAtThePrimarysCentre) {
    const int width = 1824, height = 768;
    ResizeScene(width, height, 512.0, 384.0);
    GLdouble projection[16], modelView[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (const double distance : {10.0, 400.0}) {
        GLdouble x = 0.0, y = 0.0, z = 0.0;
        ASSERT_TRUE(gluProject(0.0, 0.0, -distance, modelView, projection, viewport, &x, &y, &z));
        EXPECT_NEAR(x, 512.0, 1e-3);           // GL keeps its matrices in floats
        EXPECT_NEAR(height - y, 384.0, 1e-3);  // GL counts rows from the bottom
    }
    EXPECT_NEAR(projection[5], 1.0 / std::tan(22.5 * M_PI / 180.0), 1e-5);

    // A primary below a taller monitor's top: the centre is off the middle both ways.
    ResizeScene(width, height, 1424.0, 468.0);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    GLdouble x = 0.0, y = 0.0, z = 0.0;
    ASSERT_TRUE(gluProject(0.0, 0.0, -10.0, modelView, projection, viewport, &x, &y, &z));
    EXPECT_NEAR(x, 1424.0, 1e-3);
    EXPECT_NEAR(height - y, 468.0, 1e-3);
}

// One view across two outputs (panorama.h), each drawn in a surface of its own at its own scale:
// a point straight ahead lands at the lead's centre, and a point seen on the second output, as
// GLU projects it through that output's matrices and viewport, lands in logical pixels exactly
// where the lead's view, carried on past its edge, puts it.
TEST_F(ResizeSceneTest, OneViewRunsOnAcrossOutputsOfOtherSizesAndScales) {
    const std::vector<ScreenRect> outputs = {{0, 0, 1024, 768}, {1024, 200, 1424, 500}};
    const std::vector<ViewWindow> views = PanoramaViews(outputs, 0);
    GLdouble projection[16], modelView[16];
    GLint viewport[4];
    const auto project = [&](double px, double py, double pz, double& x, double& y) {
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble z = 0.0;
        ASSERT_TRUE(gluProject(px, py, pz, modelView, projection, viewport, &x, &y, &z));
        y = viewport[3] - y;
    };
    double x = 0.0, y = 0.0;
    ResizeScene(1024, 768, views[0]);
    ExpectProjection(1024.0 / 768.0);
    project(0.0, 0.0, -10.0, x, y);
    EXPECT_NEAR(x, 512.0, 1e-3);
    EXPECT_NEAR(y, 384.0, 1e-3);

    // The second output at scale 2: an 800 x 600 buffer for 400 x 300 logical pixels.
    ResizeScene(800, 600, views[1]);
    const double top = std::tan(22.5 * M_PI / 180.0);
    const double distance = 50.0, ahead = 1.6 * top, up = 0.2 * top;  // right of the seam
    project(ahead * distance, up * distance, -distance, x, y);
    EXPECT_NEAR(1024.0 + x / 2.0, 512.0 + ahead / top * 384.0, 1e-2);
    EXPECT_NEAR(200.0 + y / 2.0, 384.0 - up / top * 384.0, 1e-2);
}

}  // namespace
}  // namespace altostrat
