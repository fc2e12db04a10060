#pragma once
// Which terrain cells a frame draws: a square of grid indices around the camera, and the
// mapping of any grid index back into the stored period.

namespace altostrat {

constexpr int kGridStep = 3;

struct TerrainWindow {
    int xMin;
    int xMax;
    int zMin;
    int zMax;
};

// The square of half-width viewRange around the camera (camX, camZ in 0..500), each bound
// truncated toward zero and then rounded toward zero to a multiple of the grid step.
TerrainWindow ComputeTerrainWindow(float camX, float camZ, float viewRange);

// Maps a grid index into the stored period: below 0 into 0..499, above 500 into 1..500, and
// 0..500 unchanged (500 is read as the far edge of the period's last cells).
int WrapGridIndex(int i);

}  // namespace altostrat
