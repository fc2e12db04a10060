#include "flight/display/panorama.h"

namespace altostrat {
namespace {

bool Empty(const ScreenRect& r) {
    return r.Width() <= 0 || r.Height() <= 0;
}

}  // namespace

std::size_t PanoramaLead(const std::vector<ScreenRect>& outputs, int focused) {
    if (focused >= 0 && static_cast<std::size_t>(focused) < outputs.size() &&
        !Empty(outputs[static_cast<std::size_t>(focused)])) {
        return static_cast<std::size_t>(focused);
    }
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (!Empty(outputs[i])) {
            return i;
        }
    }
    return 0;
}

std::vector<ViewWindow> PanoramaViews(const std::vector<ScreenRect>& outputs, std::size_t lead) {
    ScreenRect centre{0, 0, 4, 3};
    if (lead < outputs.size() && !Empty(outputs[lead])) {
        centre = outputs[lead];
    }
    // The lead's half-height is the unit; its centre is the axis.
    const double unit = centre.Height() / 2.0;
    const double axisX = (centre.left + centre.right) / 2.0;
    const double axisY = (centre.top + centre.bottom) / 2.0;
    const auto windowOf = [&](const ScreenRect& r) {
        // Rows count down the screen, the view's top is up.
        return ViewWindow{(r.left - axisX) / unit, (r.right - axisX) / unit,
                          (axisY - r.bottom) / unit, (axisY - r.top) / unit};
    };
    std::vector<ViewWindow> views;
    views.reserve(outputs.size());
    for (const ScreenRect& output : outputs) {
        views.push_back(windowOf(Empty(output) ? centre : output));
    }
    return views;
}

}  // namespace altostrat
