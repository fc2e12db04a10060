#include "host/win32/zoom.h"

namespace altostrat {

namespace {

RECT AnchorRect(const HostState& state) {
    return RECT{state.AnchorX, state.AnchorY, state.AnchorX, state.AnchorY};
}

// An invalid window leaves its rectangle at zeros, which draws nothing to notice.
RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

void ZoomOpen(const HostState& state, HWND window) {
    const RECT from = AnchorRect(state);
    const RECT to = WindowRect(window);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomClose(const HostState& state, HWND window) {
    const RECT from = WindowRect(window);
    const RECT to = AnchorRect(state);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

}  // namespace altostrat
