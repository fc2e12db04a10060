// The sky texture: blue, deeper overhead (the top rows) and paler towards the horizon, crossed by
// thin white streaks of cirrus. The renderer wraps it round a sphere, so the left half is drawn
// and the right half is its mirror image: the seam where the two edges meet cannot show.
//
// The clouds are value noise on a lattice stretched along the streaks, summed over octaves. The
// noise comes from an integer hash and the shading from plain arithmetic, so the picture is the
// same on every machine.
#include <algorithm>
#include <cstdint>

#include "assets/generator/picture.h"

namespace altostrat::assets {
namespace {

constexpr int kSize = 256;
constexpr std::uint32_t kSeed = 0x5A17C1u;

double Lattice(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x27D4EB2Du ^
                      static_cast<std::uint32_t>(y) * 0x165667B1u ^ kSeed;
    h ^= h >> 15;
    h *= 0x85EBCA77u;
    h ^= h >> 13;
    h *= 0xC2B2AE3Du;
    h ^= h >> 16;
    return (h & 0xFFFFu) / 65535.0;
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double ValueNoise(double x, double y) {
    const int x0 = static_cast<int>(x >= 0 ? x : x - 1.0);
    const int y0 = static_cast<int>(y >= 0 ? y : y - 1.0);
    const double fx = Smooth(x - x0);
    const double fy = Smooth(y - y0);
    const double top = Lattice(x0, y0) + (Lattice(x0 + 1, y0) - Lattice(x0, y0)) * fx;
    const double bottom =
        Lattice(x0, y0 + 1) + (Lattice(x0 + 1, y0 + 1) - Lattice(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

// Cloud cover at a point of the left half, 0 (clear) to 1.
double Cirrus(double x, double y) {
    // Streaks run slanted, long along one direction and thin across it.
    const double along = x * 0.99 + y * 0.14;
    const double across = y * 0.99 - x * 0.14;
    double sum = 0.0;
    double amplitude = 0.55;
    double scaleAlong = 1.0 / 48.0;
    double scaleAcross = 1.0 / 5.0;
    for (int octave = 0; octave < 5; ++octave) {
        sum += amplitude * ValueNoise(along * scaleAlong + octave * 17.0, across * scaleAcross);
        amplitude *= 0.5;
        scaleAlong *= 2.0;
        scaleAcross *= 2.0;
    }
    // Patches where the streaks gather, and clear sky between them.
    const double patch = ValueNoise(x / 70.0 + 40.0, y / 55.0 + 9.0);
    const double cover = (sum - 0.45) * 2.2 + (patch - 0.5) * 1.2;
    return std::clamp(cover, 0.0, 1.0);
}

}  // namespace

bool MakeSky(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    picture.indexed = false;
    picture.width = kSize;
    picture.height = kSize;
    picture.bgr.assign(kSize * kSize * 3, 0);
    for (int top = 0; top < kSize; ++top) {
        const double height = top / double(kSize - 1);  // 0 overhead, 1 at the horizon
        const double skyR = 38.0 + 92.0 * height;
        const double skyG = 92.0 + 88.0 * height;
        const double skyB = 188.0 + 52.0 * height;
        const int row = kSize - 1 - top;
        for (int x = 0; x < kSize / 2; ++x) {
            const double cloud = Cirrus(x, top);
            const double white = 250.0;
            const auto mix = [&](double sky) {
                return static_cast<std::uint8_t>(
                    std::clamp(sky + (white - sky) * cloud, 0.0, 255.0) + 0.5);
            };
            const std::uint8_t bgr[3] = {mix(skyB), mix(skyG), mix(skyR)};
            for (const int column : {x, kSize - 1 - x}) {
                std::uint8_t* p = &picture.bgr[(row * kSize + column) * 3];
                p[0] = bgr[0];
                p[1] = bgr[1];
                p[2] = bgr[2];
            }
        }
    }
    return true;
}

}  // namespace altostrat::assets
