#include "linux_program/wayland/surface_buffer.h"

#include <algorithm>

namespace altostrat {
namespace {

// The protocol's rounding: half away from zero.
int Scaled120(int logical, int scale120) {
    return static_cast<int>((static_cast<long long>(logical) * scale120 + 60) / 120);
}

}  // namespace

SurfaceBuffer DecideSurfaceBuffer(int logicalWidth, int logicalHeight, int integerScale,
                                  int fractional120, bool viewporterOffered) {
    const int width = std::max(1, logicalWidth);
    const int height = std::max(1, logicalHeight);
    SurfaceBuffer buffer;
    if (fractional120 > 0 && viewporterOffered) {
        buffer.width = std::max(1, Scaled120(width, fractional120));
        buffer.height = std::max(1, Scaled120(height, fractional120));
        buffer.viewport = true;
        return buffer;
    }
    buffer.bufferScale = std::max(1, integerScale);
    buffer.width = width * buffer.bufferScale;
    buffer.height = height * buffer.bufferScale;
    return buffer;
}

}  // namespace altostrat
