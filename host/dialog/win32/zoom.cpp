#include "host/dialog/win32/zoom.h"

namespace altostrat {

namespace {

RECT ToRect(const ScreenRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

void Play(HWND window, const ZoomPath& path) {
    const RECT from = ToRect(path.from);
    const RECT to = ToRect(path.to);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

}  // namespace

ZoomPath ZoomPathOf(POINT anchor, HWND window, ZoomDirection direction) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return ZoomPathFor(direction, anchor.x, anchor.y,
                       ScreenRect{rect.left, rect.top, rect.right, rect.bottom});
}

void ZoomOpen(POINT anchor, HWND window) {
    Play(window, ZoomPathOf(anchor, window, ZoomDirection::kOpen));
}

void ZoomClose(POINT anchor, HWND window) {
    Play(window, ZoomPathOf(anchor, window, ZoomDirection::kClose));
}

}  // namespace altostrat
