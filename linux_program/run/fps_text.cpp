#include "linux_program/run/fps_text.h"

#include "flight/clock/pixel_font.h"
#include "flight/gl/gl_headers.h"
#include "flight/scene/pixel_overlay.h"

namespace altostrat {
namespace {

constexpr int kMargin = 2;

void Quad(int x, int y, int width, int height) {
    glVertex2i(x, y);
    glVertex2i(x + width, y);
    glVertex2i(x + width, y + height);
    glVertex2i(x, y + height);
}

}  // namespace

void DrawFpsText(const std::string& text, int width, int height, int scale) {
    BeginPixelOverlay(width, height, OverlayOrigin::kBottomLeft);
    // The whole surface, whatever part of it the last flight was drawn in; given back after.
    glViewport(0, 0, width, height);
    glBegin(GL_QUADS);
    glColor3f(0.0f, 0.0f, 0.0f);
    Quad(0, 0, (PixelTextWidth(text) + 2 * kMargin) * scale,
         (kPixelGlyphHeight + 2 * kMargin) * scale);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (const PixelRun& run : LayOutPixelText(text)) {
        Quad((kMargin + run.x) * scale, (kMargin + run.y) * scale, run.length * scale, scale);
    }
    glEnd();
    EndPixelOverlay();
}

}  // namespace altostrat
