#include "linux_program/wayland/output/output_transform.h"

#include <algorithm>

namespace altostrat {

void UprightSize(int width, int height, int transform, int& uprightWidth, int& uprightHeight) {
    const bool quarterTurn = (transform & 1) != 0;
    uprightWidth = quarterTurn ? height : width;
    uprightHeight = quarterTurn ? width : height;
}

ScreenRect LogicalFromMode(int x, int y, int modeWidth, int modeHeight, int scale, int transform) {
    int width = 0;
    int height = 0;
    UprightSize(modeWidth, modeHeight, transform, width, height);
    scale = std::max(scale, 1);
    return ScreenRect{x, y, x + width / scale, y + height / scale};
}

}  // namespace altostrat
