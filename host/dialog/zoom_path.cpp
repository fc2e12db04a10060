#include "host/dialog/zoom_path.h"

namespace altostrat {

ZoomPath ZoomPathFor(ZoomDirection direction, std::int16_t anchorX, std::int16_t anchorY,
                     const ScreenRect& window) {
    const ScreenRect anchor{anchorX, anchorY, anchorX, anchorY};
    if (direction == ZoomDirection::kOpen) {
        return ZoomPath{anchor, window};
    }
    return ZoomPath{window, anchor};
}

}  // namespace altostrat
