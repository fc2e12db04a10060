// The committed aircraft model, read back through the renderer's own reader and held to what
// the flight needs of it: a white paper dart about 2 units across, nose ahead (-z, the flight
// direction in the view), wings raised in a V, both sides of every panel there to be drawn,
// one plain material and no picture file to look for.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "flight/model/ms3d_model.h"

namespace altostrat {
namespace {

using Point = std::array<float, 3>;

Point Corner(const ModelData& data, const Triangle& triangle, int corner) {
    const float* p =
        data.vertices[static_cast<std::size_t>(triangle.vertexIndices[corner])].position;
    return {p[0], p[1], p[2]};
}

// The unit normal that the corners' order gives by the right-hand rule.
Point WindingNormal(const Point& a, const Point& b, const Point& c) {
    const Point u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const Point v = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    Point n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (float& x : n) {
        x /= length;
    }
    return n;
}

float Dot(const Point& a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

float Distance(const Point& a, const Point& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

TEST(GliderModel, IsAWhitePaperDartWithBothSidesOfEveryPanel) {
    Ms3dModel model;
    ASSERT_TRUE(model.ReadFile(std::string(ALTOSTRAT_ASSETS_DIR) + "/glider.ms3d"));
    const ModelData& data = model.Data();

    // Three panels (two wings and the keel), each two one-sided faces.
    ASSERT_EQ(data.triangles.size(), 6u);
    ASSERT_EQ(data.meshes.size(), 1u);
    EXPECT_EQ(data.meshes[0].triangleIndices.size(), 6u);
    ASSERT_EQ(data.materials.size(), 1u);
    EXPECT_EQ(data.meshes[0].materialIndex, 0);
    const Material& paper = data.materials[0];
    EXPECT_EQ(paper.textureFile, "");
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_GE(paper.diffuse[channel], 0.9f);
        EXPECT_GE(paper.ambient[channel], 0.9f);
        EXPECT_EQ(paper.emissive[channel], 0.0f);  // lit by the scene, never glowing itself
    }

    Point low = {1e9f, 1e9f, 1e9f}, high = {-1e9f, -1e9f, -1e9f};
    Point nose = {0, 0, 1e9f}, rightTip = {-1e9f, 0, 0};
    for (const Vertex& vertex : data.vertices) {
        const Point p = {vertex.position[0], vertex.position[1], vertex.position[2]};
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::fmin(low[axis], p[axis]);
            high[axis] = std::fmax(high[axis], p[axis]);
        }
        if (p[2] < nose[2]) {
            nose = p;
        }
        if (p[0] > rightTip[0]) {
            rightTip = p;
        }
    }
    EXPECT_NEAR(high[0] - low[0], 2.0f, 0.1f);      // about 2 units across
    EXPECT_NEAR(low[0], -high[0], 0.001f);          // and symmetric about its middle
    EXPECT_GT(high[2] - low[2], high[0] - low[0]);  // a dart: longer than wide
    EXPECT_LT(high[1] - low[1], 1.0f);              // and flat, not a box
    EXPECT_NEAR(nose[0], 0.0f, 0.01f);              // the nose ahead, on the middle line,
    EXPECT_GT(rightTip[2], 0.5f);                   // the wing tips behind,
    EXPECT_GT(rightTip[1], nose[1] + 0.2f);         // and raised
    EXPECT_LT(std::fabs(low[2] + high[2]), 0.5f);   // turned about a point near its middle

    // Each face lit as the side it shows: one normal, of unit length, the way its winding
    // faces. And each face has a twin a hair away that faces the other way, so the panel is
    // seen, and lit, from either side.
    for (std::size_t i = 0; i < data.triangles.size(); ++i) {
        const Triangle& face = data.triangles[i];
        const Point facing =
            WindingNormal(Corner(data, face, 0), Corner(data, face, 1), Corner(data, face, 2));
        for (int corner = 0; corner < 3; ++corner) {
            EXPECT_GT(Dot(facing, face.normals[corner]), 0.999f) << "face " << i;
            const float* n = face.normals[corner];
            EXPECT_NEAR(std::hypot(n[0], n[1], n[2]), 1.0f, 1e-4f);
        }
        int twins = 0;
        for (const Triangle& other : data.triangles) {
            if (Dot(facing, other.normals[0]) > -0.999f) {
                continue;
            }
            bool sameCorners = true;
            for (int corner = 0; corner < 3; ++corner) {
                float nearest = 1e9f;
                for (int c = 0; c < 3; ++c) {
                    nearest = std::fmin(
                        nearest, Distance(Corner(data, face, corner), Corner(data, other, c)));
                }
                sameCorners = sameCorners && nearest < 0.02f;
            }
            twins += sameCorners ? 1 : 0;
        }
        EXPECT_EQ(twins, 1) << "face " << i;
    }
}

}  // namespace
}  // namespace altostrat
