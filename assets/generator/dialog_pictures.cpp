// The settings dialog's own pictures: the 556 x 20 strip tiled over its music panel (a light
// grey at the left fading to a darker grey at the right, slightly mottled by a fixed integer
// hash so every build makes the same bytes), the two 12 x 12 choice marks, a sunken round
// well that is empty for an unchosen kind and holds a blue dot for the chosen one, and the two
// 12 x 12 check-box marks in the same style: a sunken square well, empty or holding a blue tick.
// The round marks' corners are magenta, the colour the dialog leaves out when it draws them.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "assets/generator/canvas.h"

namespace altostrat::assets {
namespace {

constexpr Rgb kKey{255, 0, 255};

int Mottle(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^
                      static_cast<std::uint32_t>(y) * 0x85EBCA77u ^ 0x0D1A106u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return static_cast<int>(h % 5) - 2;  // -2 .. 2
}

std::uint8_t Clamp(double v) {
    return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : std::lround(v));
}

// How much of the pixel (x, y) lies within RADIUS of the mark's centre, by 4 x 4 samples.
double Coverage(int x, int y, double radius) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double dx = x + (sx + 0.5) / 4 - 6.0;
            const double dy = y + (sy + 0.5) / 4 - 6.0;
            inside += dx * dx + dy * dy <= radius * radius ? 1 : 0;
        }
    }
    return inside / 16.0;
}

bool MakeMark(bool chosen, GeneratedPicture& picture) {
    Canvas canvas(12, 12, kKey);
    const Rgb rimDark = Hex(0x808080);
    const Rgb rimLight = Hex(0xFFFFFF);
    const Rgb well = Hex(0xFFFFFF);
    const Rgb dot = Hex(0x1C3F94);
    const Rgb blendBase = Hex(0xD8D2CA);  // about the strip under the marks
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const double outer = Coverage(x, y, 6.0);
            if (outer <= 0.0) {
                continue;
            }
            // The rim is dark on the upper left and light on the lower right: a sunken well.
            const Rgb rim = (x + y) < 11 ? rimDark : Mix(rimLight, rimDark, 0.4);
            Rgb colour = Mix(rim, blendBase, outer);
            const double inner = Coverage(x, y, 4.8);
            colour = Mix(well, colour, inner);
            if (chosen) {
                colour = Mix(dot, colour, Coverage(x, y, 2.6));
            }
            canvas.Set(x, y, outer < 0.25 ? kKey : colour);
        }
    }
    canvas.MoveTo(picture);
    return true;
}

// The distance from (px, py) to the segment from (ax, ay) to (bx, by).
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    const double ex = px - (ax + t * dx);
    const double ey = py - (ay + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

// How much of the pixel (x, y) the tick covers, by 4 x 4 samples: two strokes meeting low left
// of the centre, 1.7 pixels thick.
double TickCoverage(int x, int y) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double px = x + (sx + 0.5) / 4;
            const double py = y + (sy + 0.5) / 4;
            const double d = std::min(SegmentDistance(px, py, 3.0, 6.2, 5.2, 8.4),
                                      SegmentDistance(px, py, 5.2, 8.4, 9.2, 3.6));
            inside += d <= 0.85 ? 1 : 0;
        }
    }
    return inside / 16.0;
}

bool MakeCheck(bool checked, GeneratedPicture& picture) {
    const Rgb rimDark = Hex(0x808080);
    const Rgb rimLight = Mix(Hex(0xFFFFFF), rimDark, 0.4);
    const Rgb tick = Hex(0x1C3F94);
    Canvas canvas(12, 12, Hex(0xFFFFFF));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            // The rim is dark on the upper left and light on the lower right: a sunken well,
            // lit as the round marks are.
            if (x == 0 || y == 0) {
                canvas.Set(x, y, rimDark);
            } else if (x == 11 || y == 11) {
                canvas.Set(x, y, rimLight);
            } else if (checked) {
                canvas.Set(x, y, Mix(tick, Hex(0xFFFFFF), TickCoverage(x, y)));
            }
        }
    }
    canvas.MoveTo(picture);
    return true;
}

}  // namespace

bool MakeDialogStrip(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    constexpr int kWidth = 556;
    constexpr int kHeight = 20;
    const Rgb left{223, 216, 208};
    const Rgb right{176, 175, 175};
    Canvas canvas(kWidth, kHeight, left);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double t = static_cast<double>(x) / (kWidth - 1);
            const int noise = Mottle(x, y);
            canvas.Set(x, y,
                       Rgb{Clamp(left.r + (right.r - left.r) * t + noise),
                           Clamp(left.g + (right.g - left.g) * t + noise),
                           Clamp(left.b + (right.b - left.b) * t + noise)});
        }
    }
    canvas.MoveTo(picture);
    return true;
}

bool MakeChoiceMarkUnchosen(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    return MakeMark(false, picture);
}

bool MakeChoiceMarkChosen(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    return MakeMark(true, picture);
}

bool MakeCheckMarkUnchecked(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    return MakeCheck(false, picture);
}

bool MakeCheckMarkChecked(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    return MakeCheck(true, picture);
}

}  // namespace altostrat::assets
