#include "linux_program/x11/fullscreen_monitors.h"

namespace altostrat {

bool SpanAllMonitors(const std::vector<ScreenRect>& heads, FullScreenMonitors& span) {
    if (heads.size() < 2) {
        return false;
    }
    span = FullScreenMonitors();
    for (std::size_t i = 1; i < heads.size(); ++i) {
        const long index = static_cast<long>(i);
        // The first that reaches furthest keeps its place: ties name the lower index.
        if (heads[i].top < heads[span.top].top) {
            span.top = index;
        }
        if (heads[i].bottom > heads[span.bottom].bottom) {
            span.bottom = index;
        }
        if (heads[i].left < heads[span.left].left) {
            span.left = index;
        }
        if (heads[i].right > heads[span.right].right) {
            span.right = index;
        }
    }
    return true;
}

}  // namespace altostrat
