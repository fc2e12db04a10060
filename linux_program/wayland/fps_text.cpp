#include "linux_program/wayland/fps_text.h"

#include <cstdint>

#include "flight/gl/gl_headers.h"
#include "linux_program/run/pixel_overlay.h"

namespace altostrat {
namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kAdvance = kGlyphWidth + 1;
constexpr int kMargin = 2;

// Rows top first, the leftmost pixel in the highest of five bits.
struct Glyph {
    char c;
    std::uint8_t rows[kGlyphHeight];
};

constexpr Glyph kGlyphs[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}},
    {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
};

const Glyph* Find(char c) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.c == c) {
            return &glyph;
        }
    }
    return nullptr;
}

void Square(int x, int y, int size) {
    glVertex2i(x, y);
    glVertex2i(x + size, y);
    glVertex2i(x + size, y + size);
    glVertex2i(x, y + size);
}

}  // namespace

void DrawFpsText(const std::string& text, int width, int height, int scale) {
    BeginPixelOverlay(width, height);
    glBegin(GL_QUADS);
    glColor3f(0.0f, 0.0f, 0.0f);
    const int boxWidth = (static_cast<int>(text.size()) * kAdvance + 2 * kMargin) * scale;
    const int boxHeight = (kGlyphHeight + 2 * kMargin) * scale;
    glVertex2i(0, 0);
    glVertex2i(boxWidth, 0);
    glVertex2i(boxWidth, boxHeight);
    glVertex2i(0, boxHeight);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph* glyph = Find(text[i]);
        for (int row = 0; glyph != nullptr && row < kGlyphHeight; ++row) {
            for (int column = 0; column < kGlyphWidth; ++column) {
                if ((glyph->rows[row] >> (kGlyphWidth - 1 - column) & 1) != 0) {
                    Square((kMargin + static_cast<int>(i) * kAdvance + column) * scale,
                           (kMargin + kGlyphHeight - 1 - row) * scale, scale);
                }
            }
        }
    }
    glEnd();
    EndPixelOverlay();
}

}  // namespace altostrat
