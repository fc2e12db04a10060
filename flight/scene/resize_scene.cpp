#include "flight/scene/resize_scene.h"

#include "flight/gl/gl_headers.h"

namespace altostrat {

void ResizeScene(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // The near plane is the single-precision 0.9, widened, as the projection was always built.
    gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height),
                   static_cast<double>(0.9f), 50000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

}  // namespace altostrat
