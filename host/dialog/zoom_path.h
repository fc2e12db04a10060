#pragma once
// Which way the settings dialog's zoom outline runs: opening grows from the anchor point (the
// mouse position when the dialog loaded, or the screen's top-left corner when that could not
// be read) to the window; closing shrinks from the window back into the point.

#include <cstdint>

#include "common/screen_rect.h"

namespace altostrat {

enum class ZoomDirection { kOpen, kClose };

struct ZoomPath {
    ScreenRect from;
    ScreenRect to;
};

ZoomPath ZoomPathFor(ZoomDirection direction, std::int16_t anchorX, std::int16_t anchorY,
                     const ScreenRect& window);

}  // namespace altostrat
