#pragma once
// The terrain height field: 500 x 500 cells make one period of an endless landscape, with a
// flat band of 10 cells on every side so that neighbouring periods join without a seam. Rows
// and columns 500 to 508 stay 0; they are only read as the far edge of the last cells.
//
// The field is built once from the C runtime generator's fixed sequence, so every run and
// every platform flies over the same hills: the arithmetic below (single-precision sums in a
// fixed order, double-precision scaling) must not be rearranged.

#include <cstddef>
#include <vector>

#include "flight/terrain/crt_random.h"

namespace altostrat {

constexpr int kTerrainPeriod = 500;
constexpr int kHeightMapSize = 509;

struct HeightMap {
    std::vector<float> heights = std::vector<float>(kHeightMapSize * kHeightMapSize, 0.0f);

    float& at(int row, int column) {
        return heights[static_cast<std::size_t>(row) * kHeightMapSize + column];
    }
    float at(int row, int column) const {
        return heights[static_cast<std::size_t>(row) * kHeightMapSize + column];
    }
};

// Fills rows and columns 0 to 499 with noisy hills. The generator must be in its unseeded
// start state: the first 1001 values are drawn and discarded before the terrain takes any.
void GenerateTerrain(HeightMap& map, CrtRandom& random);

// One relaxation sweep in place; pass 0 also deepens the valleys.
void SmoothTerrain(HeightMap& map, int pass);

// Generation and the three sweeps, as the scene set-up runs them (without its loading screens).
void BuildTerrain(HeightMap& map, CrtRandom& random);

}  // namespace altostrat
