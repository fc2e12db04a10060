#include "flight/terrain/terrain_window.h"

#include "flight/terrain/terrain.h"

namespace altostrat {
namespace {

int SnapToGrid(float bound) {
    const int truncated = static_cast<int>(bound);
    return truncated / kGridStep * kGridStep;
}

}  // namespace

TerrainWindow ComputeTerrainWindow(float camX, float camZ, float viewRange) {
    const float period = static_cast<float>(kTerrainPeriod);
    return TerrainWindow{
        SnapToGrid(period - camX - viewRange),
        SnapToGrid(period - camX + viewRange),
        SnapToGrid(period - camZ - viewRange),
        SnapToGrid(period - camZ + viewRange),
    };
}

int WrapGridIndex(int i) {
    if (i < 0) {
        return i + kTerrainPeriod * ((kTerrainPeriod - 1 - i) / kTerrainPeriod);
    }
    if (i > kTerrainPeriod) {
        return (i - 1) % kTerrainPeriod + 1;
    }
    return i;
}

}  // namespace altostrat
