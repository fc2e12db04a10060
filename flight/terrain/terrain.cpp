#include "flight/terrain/terrain.h"

namespace altostrat {
namespace {

constexpr int kFlatBand = 10;
constexpr int kDiscardedDraws = 1001;

// A smoothed value in pass 0: the slopes between -1.5 and -0.5 are reshaped so valleys
// steepen; the bounds themselves are kept as they are.
float ShapeValley(float v) {
    if (v > -1.5f && v < -1.0f) {
        return static_cast<float>(2.0 * (static_cast<double>(v) - 0.45));
    }
    if (v > -1.0f && v < -0.5f) {
        return static_cast<float>((static_cast<double>(v) + 0.5) * 0.2);
    }
    return v;
}

}  // namespace

void GenerateTerrain(HeightMap& map, CrtRandom& random) {
    for (int i = 0; i < kDiscardedDraws; ++i) {
        NextRandom(random);
    }
    for (int r = 0; r < kTerrainPeriod; ++r) {
        for (int c = 0; c < kTerrainPeriod; ++c) {
            if (r < kFlatBand || r > kTerrainPeriod - kFlatBand || c < kFlatBand ||
                c > kTerrainPeriod - kFlatBand) {
                map.at(r, c) = 0.0f;
                continue;
            }
            const int n = NextRandom(random) % 151;
            // 0.99 times the mean of five cells of the row above, plus even noise.
            const float above = map.at(r - 1, c - 2) + map.at(r - 1, c + 2) + map.at(r - 1, c + 1) +
                                map.at(r - 1, c) + map.at(r - 1, c - 1);
            map.at(r, c) = static_cast<float>(static_cast<double>(above) * 0.198019801980198 +
                                              (n - 75) * 0.02);
        }
    }
}

void SmoothTerrain(HeightMap& map, int pass) {
    for (int r = 0; r <= 497; ++r) {
        for (int c = 1; c <= 498; ++c) {
            // Cells already replaced in this sweep (above, to the left) are used as they stand.
            const float v =
                (map.at(r + 2, c) + map.at(r + 1, c + 1) + map.at(r + 1, c - 1) + map.at(r, c)) *
                0.25f;
            map.at(r + 1, c) = pass == 0 ? ShapeValley(v) : v;
        }
    }
}

void BuildTerrain(HeightMap& map, CrtRandom& random) {
    GenerateTerrain(map, random);
    for (int pass = 0; pass < 3; ++pass) {
        SmoothTerrain(map, pass);
    }
}

}  // namespace altostrat
