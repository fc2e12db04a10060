#pragma once
// A small built-in pixel font for what the flight writes over its own picture (the clock, a
// frame rate), so that no platform needs a font of its own: digits, the separators and the
// letters that morning and afternoon designators and a frame rate use, each 5 x 7 font pixels.
// The platform draws each font pixel as a square as large as it likes.

#include <string_view>
#include <vector>

namespace altostrat {

constexpr int kPixelGlyphWidth = 5;
constexpr int kPixelGlyphHeight = 7;
constexpr int kPixelAdvance = kPixelGlyphWidth + 1;

// A horizontal run of lit font pixels, one pixel high, counted from the text's bottom-left
// corner upwards, as OpenGL counts.
struct PixelRun {
    int x = 0;
    int y = 0;
    int length = 0;
};

// Whether every character of TEXT (bytes; anything outside ASCII is not drawn) has a glyph.
// The blank has one, with nothing lit.
bool PixelFontDraws(std::string_view text);

// The lit runs of TEXT laid out from left to right; a character without a glyph stays blank.
std::vector<PixelRun> LayOutPixelText(std::string_view text);

// TEXT's width in font pixels: the glyphs and the one-pixel gaps between them.
int PixelTextWidth(std::string_view text);

}  // namespace altostrat
