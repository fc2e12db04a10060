// The Linux program's own ground, flown over when no picture of the desktop can be had: farmland
// seen from above. A patchwork of fields in crop colours, each ploughed or sown in rows and
// edged by hedges, crossed by a winding river, with lakes and woods laid over it by noise.
//
// The renderer repeats the ground picture across the terrain, so the picture tiles: the
// noise lattices wrap at the picture's size, the river's course is periodic across it, and
// the columns of fields fill it exactly. The noise comes from an integer hash and the shading
// from plain arithmetic, so the picture is the same on every machine.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "assets/generator/canvas.h"
#include "common/position_hash.h"

namespace altostrat::assets {
namespace {

constexpr int kSize = 512;
constexpr double kPi = 3.14159265358979323846;

double Unit(std::uint32_t h) {
    return (h & 0xFFFFu) / 65535.0;
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

// Value noise on a lattice of `cell` pixels that wraps at the picture's size.
double TiledNoise(double x, double y, int cell, std::uint32_t seed) {
    const int period = kSize / cell;
    const double u = x / cell;
    const double v = y / cell;
    const int x0 = static_cast<int>(std::floor(u));
    const int y0 = static_cast<int>(std::floor(v));
    const auto at = [&](int i, int j) {
        const int wi = ((i % period) + period) % period;
        const int wj = ((j % period) + period) % period;
        return Unit(
            PositionHash(static_cast<std::uint32_t>(wi), static_cast<std::uint32_t>(wj), seed));
    };
    const double fx = Smooth(u - x0);
    const double fy = Smooth(v - y0);
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

// Octaves of the noise, from `cell` pixels down to a few, summed to about 0..1.
double TiledFractal(double x, double y, int cell, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double amplitude = 0.5;
    double total = 0.0;
    for (int octave = 0; octave < octaves && cell >= 2; ++octave) {
        sum += amplitude * TiledNoise(x, y, cell, seed + static_cast<std::uint32_t>(octave));
        total += amplitude;
        amplitude *= 0.5;
        cell /= 2;
    }
    return sum / total;
}

// A small deterministic generator for the field layout.
struct Dice {
    std::uint32_t state;
    int Roll(int low, int high) {  // low..high inclusive
        state = state * 1664525u + 1013904223u;
        return low + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(high - low + 1));
    }
};

struct Field {
    Rgb colour;
    int rows = 0;  // 0 plain, 1 rows across, 2 rows along, 3 rows slanted
};

constexpr Rgb kCrops[] = {Hex(0xC8B46E), Hex(0x8CAA5A), Hex(0x649146), Hex(0x82644A),
                          Hex(0xA0A064), Hex(0x78A055), Hex(0xB4A078), Hex(0x5A8C50)};
constexpr Rgb kHedge = Hex(0x3C5530);
constexpr Rgb kWoodDark = Hex(0x23411F);
constexpr Rgb kWoodLight = Hex(0x3F6632);
constexpr Rgb kDeepWater = Hex(0x2F5A78);
constexpr Rgb kShallowWater = Hex(0x4F7F8F);
constexpr Rgb kShore = Hex(0x9C9A78);

// The patchwork: columns of random widths that fill the picture, each cut into fields of random
// heights that fill it too. Returns each pixel's field index and whether it lies on a hedge.
struct Patchwork {
    std::vector<Field> fields;
    std::vector<int> fieldAt;   // per pixel
    std::vector<bool> hedgeAt;  // per pixel
};

Patchwork MakePatchwork() {
    Patchwork patchwork;
    patchwork.fieldAt.assign(kSize * kSize, 0);
    patchwork.hedgeAt.assign(kSize * kSize, false);
    Dice dice{0xA17057u};
    int left = 0;
    while (left < kSize) {
        int width = dice.Roll(14, 40);
        if (kSize - (left + width) < 14) {
            width = kSize - left;
        }
        int top = 0;
        while (top < kSize) {
            int height = dice.Roll(10, 44);
            if (kSize - (top + height) < 10) {
                height = kSize - top;
            }
            const int index = static_cast<int>(patchwork.fields.size());
            patchwork.fields.push_back({kCrops[dice.Roll(0, 7)], dice.Roll(0, 3)});
            // Some field edges have no hedge: neighbours then meet directly.
            const bool hedgeTop = dice.Roll(0, 3) != 0;
            const bool hedgeLeft = dice.Roll(0, 3) != 0;
            for (int y = top; y < top + height; ++y) {
                for (int x = left; x < left + width; ++x) {
                    const std::size_t p = static_cast<std::size_t>(y) * kSize + x;
                    patchwork.fieldAt[p] = index;
                    patchwork.hedgeAt[p] = (hedgeTop && y == top) || (hedgeLeft && x == left);
                }
            }
            top += height;
        }
        left += width;
    }
    return patchwork;
}

Rgb Shade(Rgb colour, double amount) {  // amount -1..1: darker..lighter
    const auto channel = [amount](int c) {
        const double v = amount < 0 ? c * (1.0 + amount) : c + (255 - c) * amount;
        return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
    };
    return Rgb{channel(colour.r), channel(colour.g), channel(colour.b)};
}

Rgb FieldPixel(const Field& field, int x, int y) {
    double stripe = 0.0;
    switch (field.rows) {
        case 1:
            stripe = (y % 2 == 0) ? 0.07 : -0.07;
            break;
        case 2:
            stripe = (x % 2 == 0) ? 0.07 : -0.07;
            break;
        case 3:
            stripe = ((x + y) % 3 == 0) ? 0.07 : -0.04;
            break;
        default:
            break;
    }
    const double grain =
        (Unit(PositionHash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 0x6A1Bu)) -
         0.5) *
        0.08;
    const double patches = (TiledNoise(x, y, 16, 0x51u) - 0.5) * 0.16;
    return Shade(field.colour, stripe + grain + patches);
}

// Distance in pixels from the river's middle, measured across the picture's rows; the course
// is periodic in x, so it meets itself at the picture's edges.
double RiverDistance(int x, int y) {
    const double t = 2.0 * kPi * x / kSize;
    const double middle =
        300.0 + 46.0 * std::sin(t) + 22.0 * std::sin(3.0 * t + 1.3) + 9.0 * std::sin(7.0 * t + 0.4);
    return std::fabs(y - middle);
}

}  // namespace

bool MakeGround(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    const Patchwork patchwork = MakePatchwork();
    Canvas canvas(kSize, kSize, Rgb{});
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const std::size_t p = static_cast<std::size_t>(y) * kSize + x;
            Rgb colour = patchwork.hedgeAt[p]
                             ? kHedge
                             : FieldPixel(patchwork.fields[patchwork.fieldAt[p]], x, y);
            // Woods: where a broad noise is high, with crowns of trees in a finer one.
            const double wood = TiledFractal(x, y, 64, 4, 0x700Du);
            if (wood > 0.60) {
                const double crowns = TiledFractal(x, y, 4, 2, 0xC20Au);
                colour = Mix(kWoodLight, kWoodDark, crowns);
            } else if (wood > 0.575) {
                colour = Mix(kWoodDark, colour, 0.5);  // the wood's ragged edge
            }
            // Water last: lakes where another broad noise is low, and the river.
            const double lake = TiledFractal(x, y, 128, 4, 0x1A4Eu);
            const double river = RiverDistance(x, y) - 3.0 - 1.5 * TiledNoise(x, y, 8, 0x217Eu);
            const double depth = std::max(0.33 - lake, -river / 3.0);
            if (depth > 0.0) {
                colour = Mix(kDeepWater, kShallowWater, std::min(1.0, depth * 8.0));
            } else if (depth > -0.012 || river < 1.0) {
                colour = kShore;
            }
            canvas.Set(x, y, colour);
        }
    }
    canvas.MoveTo(picture);
    return true;
}

}  // namespace altostrat::assets
