#include "linux_program/x11/fps_overlay.h"

#include <GL/glx.h>

#include "linux_program/run/pixel_overlay.h"

namespace altostrat {
namespace {

constexpr int kFirstChar = ' ';
constexpr int kCharCount = '~' - ' ' + 1;
constexpr int kMargin = 4;  // between the box's edge and the text

}  // namespace

void MakeFpsOverlay(Display* display, FpsOverlay& overlay) {
    XFontStruct* font = XLoadQueryFont(display, "fixed");
    if (font == nullptr) {
        return;
    }
    overlay.listBase = glGenLists(kCharCount);
    glXUseXFont(font->fid, kFirstChar, kCharCount, static_cast<int>(overlay.listBase));
    overlay.lineHeight = font->ascent + font->descent;
    overlay.descent = font->descent;
    overlay.charWidth = font->max_bounds.width;
    XFreeFont(display, font);
}

void DrawFpsOverlay(const FpsOverlay& overlay, const std::string& text, int width, int height) {
    if (overlay.listBase == 0) {
        return;
    }
    BeginPixelOverlay(width, height);
    const int boxWidth = static_cast<int>(text.size()) * overlay.charWidth + 2 * kMargin;
    const int boxHeight = overlay.lineHeight + 2 * kMargin;
    glColor3f(0.0f, 0.0f, 0.0f);
    glRecti(0, 0, boxWidth, boxHeight);
    glColor3f(1.0f, 1.0f, 1.0f);
    glRasterPos2i(kMargin, kMargin + overlay.descent);
    glListBase(overlay.listBase - kFirstChar);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    EndPixelOverlay();
}

}  // namespace altostrat
