// The aircraft the flight follows: a white paper dart, 2 units from wing tip to wing tip, its
// nose 2.1 units ahead of its trailing edge. The renderer draws it 10 units ahead of the camera
// and only 0.5 below the line of sight, so a flat wing would show edge-on as a thin line; the
// wings are raised by 20 degrees instead and read as a V from behind, with the folded keel
// hanging below them. The dart also glides nose down by 14 degrees, as paper gliders do: that
// turns the tops of its wings towards the camera, so the V shows as two surfaces rather than
// two lines, and in a banked turn the lower wing does not vanish edge-on.
//
// Model axes are the view's when the aircraft flies straight: the nose points along -z (ahead),
// +y is up and +x is the camera's right. The reference point, about which the renderer turns and
// banks the model, lies on the wing root, a little behind the middle of the dart.
//
// Paper has two sides. The renderer draws the aircraft without face culling and with the normal
// as given (no two-sided lighting), so each panel is two sheets a hair apart, one facing each
// way with its own normal and winding: from any side the nearer sheet hides the other and is
// lit as the side that is seen.
#include "assets/generator/glider.h"

#include <cmath>

namespace altostrat::assets {
namespace {

constexpr float kDihedral = 20.0f * 3.14159265f / 180.0f;
constexpr float kHalfSpan = 1.0f;
constexpr float kNoseZ = -1.2f;
constexpr float kTailZ = 0.9f;
constexpr float kKeelDepth = 0.28f;
constexpr float kNoseDown = 14.0f * 3.14159265f / 180.0f;
// Far more than the depth buffer resolves at 10 units, far less than a pixel there.
constexpr float kPaperThickness = 0.01f;

Ms3dPoint Minus(const Ms3dPoint& a, const Ms3dPoint& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Ms3dPoint Along(const Ms3dPoint& p, const Ms3dPoint& direction, float distance) {
    return {p[0] + direction[0] * distance, p[1] + direction[1] * distance,
            p[2] + direction[2] * distance};
}

// Turned about the x axis so that the nose (-z) goes down.
Ms3dPoint Pitched(const Ms3dPoint& p) {
    const float c = std::cos(kNoseDown), s = std::sin(kNoseDown);
    return {p[0], p[1] * c + p[2] * s, p[2] * c - p[1] * s};
}

// The unit normal of the face a, b, c, wound counter-clockwise seen from its front.
Ms3dPoint FaceNormal(const Ms3dPoint& a, const Ms3dPoint& b, const Ms3dPoint& c) {
    const Ms3dPoint u = Minus(b, a), v = Minus(c, a);
    Ms3dPoint n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (float& component : n) {
        component /= length;
    }
    return n;
}

void AddFace(Ms3dFile& model, const Ms3dPoint& a, const Ms3dPoint& b, const Ms3dPoint& c) {
    const auto first = static_cast<std::uint16_t>(model.vertices.size());
    model.vertices.insert(model.vertices.end(), {a, b, c});
    model.triangles.push_back(
        {{first, static_cast<std::uint16_t>(first + 1), static_cast<std::uint16_t>(first + 2)},
         FaceNormal(a, b, c)});
}

// One paper panel: its front sheet (a, b, c counter-clockwise) and its back sheet.
void AddPanel(Ms3dFile& model, const Ms3dPoint& a, const Ms3dPoint& b, const Ms3dPoint& c) {
    const Ms3dPoint n = FaceNormal(a, b, c);
    const float half = kPaperThickness / 2;
    AddFace(model, Along(a, n, half), Along(b, n, half), Along(c, n, half));
    AddFace(model, Along(a, n, -half), Along(c, n, -half), Along(b, n, -half));
}

}  // namespace

Ms3dFile MakeGlider() {
    const float tipHeight = kHalfSpan * std::tan(kDihedral);
    const Ms3dPoint nose = Pitched({0.0f, 0.0f, kNoseZ});
    const Ms3dPoint tail = Pitched({0.0f, 0.0f, kTailZ});
    const Ms3dPoint leftTip = Pitched({-kHalfSpan, tipHeight, kTailZ});
    const Ms3dPoint rightTip = Pitched({kHalfSpan, tipHeight, kTailZ});
    const Ms3dPoint keel = Pitched({0.0f, -kKeelDepth, kTailZ});

    Ms3dFile model;
    model.groupName = "glider";
    AddPanel(model, nose, leftTip, tail);   // front sheet faces up
    AddPanel(model, nose, tail, rightTip);  // front sheet faces up
    AddPanel(model, nose, keel, tail);      // front sheet faces left
    // White paper: its colour comes from the light, which the scene gives the sky's tint in
    // the shade and the sun's white where it shines. Matt, so no highlight.
    model.material = {"paper",
                      {1.0f, 1.0f, 1.0f, 1.0f},
                      {1.0f, 1.0f, 1.0f, 1.0f},
                      {0.0f, 0.0f, 0.0f, 1.0f},
                      {0.0f, 0.0f, 0.0f, 1.0f},
                      0.0f};
    return model;
}

}  // namespace altostrat::assets
