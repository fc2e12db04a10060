#include "flight/terrain/terrain.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "flight/terrain/terrain_window.h"
#include "tools/sha256/sha256.h"

namespace altostrat {
namespace {

// The generator after the 1001 values the terrain never uses.
CrtRandom GeneratorAtTerrainStart() {
    CrtRandom random;
    for (int i = 0; i < 1001; ++i)
        NextRandom(random);
    return random;
}

TEST(Terrain, FirstInteriorCellsTakeTheGeneratorsValuesInRowOrder) {
    HeightMap map;
    CrtRandom random;
    GenerateTerrain(map, random);

    CrtRandom expected = GeneratorAtTerrainStart();
    // Row 10 sits under a flat row: its cells are pure noise, drawn left to right from
    // column 10, with no value drawn for the flat band.
    for (int c = 10; c <= 490; ++c) {
        const int n = NextRandom(expected) % 151;
        ASSERT_EQ(map.at(10, c), static_cast<float>((n - 75) * 0.02)) << "column " << c;
    }
    // Row 11, column 10: five cells of row 10 (two of them in the flat band) in a fixed order.
    const int n = NextRandom(expected) % 151;
    const float above =
        map.at(10, 8) + map.at(10, 12) + map.at(10, 11) + map.at(10, 10) + map.at(10, 9);
    EXPECT_EQ(map.at(11, 10),
              static_cast<float>(static_cast<double>(above) * 0.198019801980198 + (n - 75) * 0.02));
}

TEST(Terrain, FlatBandsAndTheSpareRowsStayZero) {
    HeightMap map;
    CrtRandom random;
    GenerateTerrain(map, random);
    for (int i = 0; i < kHeightMapSize; ++i) {
        for (int j = 0; j < kHeightMapSize; ++j) {
            const bool band = i < 10 || i > 490 || j < 10 || j > 490;
            if (band) {
                ASSERT_EQ(map.at(i, j), 0.0f) << i << "," << j;
            }
        }
    }
    // The interior is genuinely hilly.
    float lowest = 0, highest = 0;
    for (float h : map.heights) {
        lowest = std::min(lowest, h);
        highest = std::max(highest, h);
    }
    EXPECT_LT(lowest, -1.0f);
    EXPECT_GT(highest, 1.0f);
}

TEST(Terrain, SmoothingKeepsTheOuterEdgesAndOnlyAveragesIntoTheBands) {
    HeightMap map;
    CrtRandom random;
    BuildTerrain(map, random);
    for (int i = 0; i < kHeightMapSize; ++i) {
        ASSERT_EQ(map.at(0, i), 0.0f);
        ASSERT_EQ(map.at(i, 0), 0.0f);
        for (int j = 499; j < kHeightMapSize; ++j) {
            ASSERT_EQ(map.at(i, j), 0.0f);
            ASSERT_EQ(map.at(j, i), 0.0f);
        }
    }
    // Averaging carries the hills into the flat bands.
    EXPECT_NE(map.at(9, 250), 0.0f);
    EXPECT_NE(map.at(250, 9), 0.0f);
}

TEST(Terrain, TwoBuildsAreIdentical) {
    HeightMap first, second;
    CrtRandom a, b;
    BuildTerrain(first, a);
    BuildTerrain(second, b);
    EXPECT_EQ(first.heights, second.heights);
}

// The whole field, bit for bit, against a reference built apart from this code (a short script
// that emulates single-precision arithmetic by rounding every step, in the same order). A
// change of compiler flags, of the C runtime or of the order of a sum shows here, natively and
// in the cross-built run under Wine. The digest is that of the field's little-endian bytes,
// row by row, as "altostrat-tool terrain" writes them.
TEST(Terrain, WholeFieldMatchesTheReferenceBitForBit) {
    HeightMap map;
    CrtRandom random;
    BuildTerrain(map, random);
    std::vector<std::uint8_t> bytes;
    for (float h : map.heights) {
        std::uint32_t bits;
        std::memcpy(&bits, &h, sizeof bits);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    EXPECT_EQ(Sha256Hex(bytes.data(), bytes.size()),
              "3072df1f570974561e05319d68e3fc6fc7d747218a5359f024046333908c966f");
}

// The first cell a sweep replaces, (1, 1), with the four cells that feed it all set to v.
float SmoothedValue(float v, int pass) {
    HeightMap map;
    const int c = 1;
    map.at(2, c) = v;
    map.at(1, c + 1) = v;
    map.at(1, c - 1) = v;
    map.at(0, c) = v;
    SmoothTerrain(map, pass);
    return map.at(1, c);
}

TEST(Terrain, FirstPassReshapesValleysAndLeavesTheBoundsAlone) {
    EXPECT_EQ(SmoothedValue(-1.2f, 0), static_cast<float>(2.0 * (double(-1.2f) - 0.45)));
    EXPECT_NEAR(SmoothedValue(-1.2f, 0), -3.3f, 1e-6f);
    EXPECT_NEAR(SmoothedValue(-0.75f, 0), -0.05f, 1e-6f);
    EXPECT_EQ(SmoothedValue(-1.0f, 0), -1.0f);
    EXPECT_EQ(SmoothedValue(-1.5f, 0), -1.5f);
    EXPECT_EQ(SmoothedValue(-0.5f, 0), -0.5f);
    EXPECT_EQ(SmoothedValue(-2.0f, 0), -2.0f);
    // Later passes only average.
    EXPECT_EQ(SmoothedValue(-1.2f, 1), -1.2f);
    EXPECT_EQ(SmoothedValue(-0.75f, 2), -0.75f);
}

TEST(TerrainWindow, BoundsTruncateThenSnapTowardZeroToTheGrid) {
    // 500 - 450.7 - 100 = -50.7: truncated to -50, snapped to -48.
    const TerrainWindow w = ComputeTerrainWindow(450.7f, 250.0f, 100.0f);
    EXPECT_EQ(w.xMin, -48);
    EXPECT_EQ(w.xMax, 147);  // 149.3 -> 149 -> 147
    EXPECT_EQ(w.zMin, 150);
    EXPECT_EQ(w.zMax, 348);  // 350 -> 348
    const TerrainWindow edge = ComputeTerrainWindow(0.0f, 500.0f, 100.0f);
    EXPECT_EQ(edge.xMin, 399);
    EXPECT_EQ(edge.xMax, 600);
    EXPECT_EQ(edge.zMin, -99);
    EXPECT_EQ(edge.zMax, 99);
}

TEST(TerrainWindow, GridIndicesWrapIntoThePeriod) {
    EXPECT_EQ(WrapGridIndex(-1), 499);
    EXPECT_EQ(WrapGridIndex(-500), 0);
    EXPECT_EQ(WrapGridIndex(-501), 499);
    EXPECT_EQ(WrapGridIndex(-102), 398);
    EXPECT_EQ(WrapGridIndex(0), 0);
    EXPECT_EQ(WrapGridIndex(500), 500);
    EXPECT_EQ(WrapGridIndex(501), 1);
    EXPECT_EQ(WrapGridIndex(1000), 500);
    EXPECT_EQ(WrapGridIndex(1003), 3);
    // Every index a frame can ask for reads inside the stored field, with room for a cell.
    for (int i = -100; i < 600; ++i) {
        const int n = WrapGridIndex(i);
        ASSERT_GE(n, 0);
        ASSERT_LE(n + kGridStep, kHeightMapSize - 1);
    }
}

}  // namespace
}  // namespace altostrat
