#include "flight/scene/pixel_overlay.h"

#include "flight/gl/gl_headers.h"

namespace altostrat {

void BeginPixelOverlay(int width, int height, OverlayOrigin origin) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    if (origin == OverlayOrigin::kTopLeft) {
        glOrtho(0.0, width, height, 0.0, -1.0, 1.0);
    } else {
        glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
}

void EndPixelOverlay() {
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

}  // namespace altostrat
