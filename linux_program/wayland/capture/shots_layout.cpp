#include "linux_program/wayland/capture/shots_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace altostrat {
namespace {

// The buffer's pixel (x, y) shown at (u, v) of the upright W x H picture. The compositor drew
// the buffer by turning the upright picture (after a flip for the flipped ones) a quarter turn
// counter-clockwise per step; this undoes that.
void BufferPoint(int transform, int w, int h, int u, int v, int& x, int& y) {
    if (transform >= kTransformFlipped) {
        u = w - 1 - u;
    }
    switch (transform & 3) {
        case kTransformNormal:
            x = u, y = v;
            return;
        case kTransform90:
            x = v, y = w - 1 - u;
            return;
        case kTransform180:
            x = w - 1 - u, y = h - 1 - v;
            return;
        default:
            x = h - 1 - v, y = u;
            return;
    }
}

// The source index (0..SOURCE-1) sampled for the pixel I of a span of TARGET pixels: its centre.
int Sample(int i, int target, int source) {
    const long long index = (2LL * i + 1) * source / (2LL * target);
    return static_cast<int>(std::min<long long>(index, source - 1));
}

}  // namespace

CanvasPlan PlanCanvas(const std::vector<OutputPlace>& outputs, int maxSide) {
    CanvasPlan plan;
    std::vector<ScreenRect> shown;
    double scale = 1.0;
    for (const OutputPlace& output : outputs) {
        const ScreenRect& r = output.logical;
        if (r.Width() <= 0 || r.Height() <= 0) {
            continue;
        }
        shown.push_back(r);
        scale = std::max({scale, static_cast<double>(output.physicalWidth) / r.Width(),
                          static_cast<double>(output.physicalHeight) / r.Height()});
    }
    if (shown.empty()) {
        plan.outputs.resize(outputs.size());
        return plan;
    }
    plan.logical = UnionOfMonitors(shown);
    const int longest = std::max(plan.logical.Width(), plan.logical.Height());
    scale = std::min(scale, static_cast<double>(maxSide) / longest);
    const auto at = [&plan, scale](int logical, int origin) {
        return static_cast<int>(std::lround((logical - origin) * scale));
    };
    plan.width = at(plan.logical.right, plan.logical.left);
    plan.height = at(plan.logical.bottom, plan.logical.top);
    for (const OutputPlace& output : outputs) {
        const ScreenRect& r = output.logical;
        if (r.Width() <= 0 || r.Height() <= 0) {
            plan.outputs.push_back(ScreenRect());
            continue;
        }
        plan.outputs.push_back(
            ScreenRect{at(r.left, plan.logical.left), at(r.top, plan.logical.top),
                       at(r.right, plan.logical.left), at(r.bottom, plan.logical.top)});
    }
    return plan;
}

bool LayShot(const ShotPixels& shot, const ScreenRect& area, RgbPicture& canvas) {
    const int bytes = ShotBytesPerPixel(shot.format);
    if (bytes == 0 || shot.transform < 0 || shot.transform > 7 || shot.width <= 0 ||
        shot.height <= 0 || shot.data == nullptr ||
        canvas.pixels.size() < static_cast<std::size_t>(canvas.width) * canvas.height * 3) {
        return false;
    }
    const std::size_t line = static_cast<std::size_t>(shot.width) * bytes;
    if (shot.stride < line ||
        shot.size < shot.stride * static_cast<std::size_t>(shot.height - 1) + line) {
        return false;
    }
    int w = 0;
    int h = 0;
    UprightSize(shot.width, shot.height, shot.transform, w, h);
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.right, canvas.width);
    const int bottom = std::min(area.bottom, canvas.height);
    if (left >= right || top >= bottom) {
        return true;
    }
    // Each of the buffer's x and y follows either u or v alone, so a pixel's offset is one part
    // from its column and one from its row.
    const auto offset = [&shot, bytes, w, h](int u, int v) {
        int x = 0;
        int y = 0;
        BufferPoint(shot.transform, w, h, u, v, x, y);
        const int row = shot.yInverted ? shot.height - 1 - y : y;
        return static_cast<std::ptrdiff_t>(row) * static_cast<std::ptrdiff_t>(shot.stride) +
               static_cast<std::ptrdiff_t>(x) * bytes;
    };
    std::vector<std::ptrdiff_t> columns(right - left);
    for (int cx = left; cx < right; ++cx) {
        columns[cx - left] = offset(Sample(cx - area.left, area.Width(), w), 0) - offset(0, 0);
    }
    for (int cy = top; cy < bottom; ++cy) {
        const std::uint8_t* row = shot.data + offset(0, Sample(cy - area.top, area.Height(), h));
        std::uint8_t* out =
            canvas.pixels.data() + (static_cast<std::size_t>(cy) * canvas.width + left) * 3;
        for (std::ptrdiff_t column : columns) {
            ReadShotPixel(shot.format, row + column, out);
            out += 3;
        }
    }
    return true;
}

}  // namespace altostrat
