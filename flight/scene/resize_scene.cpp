#include "flight/scene/resize_scene.h"

#include <cmath>

#include "flight/gl/gl_headers.h"

namespace altostrat {
namespace {

// The near plane is the single-precision 0.9, widened, as the projection was always built.
constexpr double kNear = static_cast<double>(0.9f);
constexpr double kFar = 50000.0;
constexpr double kHalfFieldOfViewDegrees = 22.5;
constexpr double kPi = 3.14159265358979323846;

// The near plane's half-height for the field of view.
double NearTop() {
    return kNear * std::tan(kHalfFieldOfViewDegrees * kPi / 180.0);
}

void SetFrustum(int width, int height, double left, double right, double bottom, double top) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(left, right, bottom, top, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

}  // namespace

void ResizeScene(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(2.0 * kHalfFieldOfViewDegrees,
                   static_cast<double>(width) / static_cast<double>(height), kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void ResizeScene(int width, int height, double lookAtX, double lookAtY) {
    if (height == 0) {
        height = 1;
    }
    if (lookAtX == width / 2.0 && lookAtY == height / 2.0) {
        // Centred, the projection is exactly the one a single flight has always had.
        ResizeScene(width, height);
        return;
    }
    // gluPerspective's window on the near plane, moved so that the camera's axis passes through
    // the given pixel: the axis lands at -(right + left) / (right - left) in device coordinates.
    const double top = NearTop();
    const double right = top * static_cast<double>(width) / static_cast<double>(height);
    const double shiftX = right * (1.0 - 2.0 * lookAtX / width);
    const double shiftY = top * (2.0 * lookAtY / height - 1.0);
    SetFrustum(width, height, -right + shiftX, right + shiftX, -top + shiftY, top + shiftY);
}

void ResizeScene(int width, int height, const ViewWindow& view) {
    const double unit = NearTop();
    SetFrustum(width, height, view.left * unit, view.right * unit, view.bottom * unit,
               view.top * unit);
}

}  // namespace altostrat
