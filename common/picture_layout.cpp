#include "common/picture_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace altostrat {
namespace {

ScreenRect Intersect(const ScreenRect& a, const ScreenRect& b) {
    ScreenRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    if (r.right <= r.left || r.bottom <= r.top) {
        return ScreenRect{};
    }
    return r;
}

// A placed picture's part on a screen's rectangle, which fits the screen's coordinates.
ScreenRect Intersect(const PlacedRect& placed, const ScreenRect& screen) {
    const auto within = [](std::int64_t value, int low, int high) {
        return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
    };
    return Intersect(ScreenRect{within(placed.left, screen.left, screen.right),
                                within(placed.top, screen.top, screen.bottom),
                                within(placed.right, screen.left, screen.right),
                                within(placed.bottom, screen.top, screen.bottom)},
                     screen);
}

bool Empty(const ScreenRect& r) {
    return r.Width() <= 0 || r.Height() <= 0;
}

PlacedRect Placed(const ScreenRect& r) {
    return PlacedRect{r.left, r.top, r.right, r.bottom};
}

// A rectangle of the given size centred on AREA (odd leftovers go to the right and bottom).
PlacedRect Centred(const ScreenRect& area, std::int64_t width, std::int64_t height) {
    const std::int64_t left = area.left + (std::int64_t{area.Width()} - width) / 2;
    const std::int64_t top = area.top + (std::int64_t{area.Height()} - height) / 2;
    return PlacedRect{left, top, left + width, top + height};
}

// Draws PICTURE scaled into DEST, only where DEST meets CLIP, into OUT (which covers CANVAS).
void DrawCopy(const RgbPicture& picture, const PlacedRect& dest, const ScreenRect& clip,
              const ScreenRect& canvas, RgbPicture& out) {
    if (dest.Width() <= 0 || dest.Height() <= 0) {
        return;
    }
    const ScreenRect area = Intersect(dest, Intersect(clip, canvas));
    if (Empty(area)) {
        return;
    }
    const bool oneToOne = dest.Width() == picture.width && dest.Height() == picture.height;
    const double sx = static_cast<double>(picture.width) / static_cast<double>(dest.Width());
    const double sy = static_cast<double>(picture.height) / static_cast<double>(dest.Height());
    const auto at = [&picture](std::int64_t x, std::int64_t y) {
        return &picture.pixels[(static_cast<std::size_t>(y) * picture.width +
                                static_cast<std::size_t>(x)) *
                               3];
    };
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint8_t* row = &out.pixels[(static_cast<std::size_t>(y - canvas.top) * out.width) * 3];
        for (int x = area.left; x < area.right; ++x) {
            std::uint8_t* target = row + static_cast<std::size_t>(x - canvas.left) * 3;
            if (oneToOne) {
                const std::uint8_t* source = at(x - dest.left, y - dest.top);
                std::copy(source, source + 3, target);
                continue;
            }
            // The source point under the target pixel's centre, between four source pixels.
            const double u = std::clamp((static_cast<double>(x - dest.left) + 0.5) * sx - 0.5, 0.0,
                                        picture.width - 1.0);
            const double v = std::clamp((static_cast<double>(y - dest.top) + 0.5) * sy - 0.5, 0.0,
                                        picture.height - 1.0);
            const int x0 = static_cast<int>(u), y0 = static_cast<int>(v);
            const int x1 = std::min(x0 + 1, picture.width - 1);
            const int y1 = std::min(y0 + 1, picture.height - 1);
            const double fx = u - x0, fy = v - y0;
            for (int c = 0; c < 3; ++c) {
                const double top = at(x0, y0)[c] * (1 - fx) + at(x1, y0)[c] * fx;
                const double bottom = at(x0, y1)[c] * (1 - fx) + at(x1, y1)[c] * fx;
                target[c] = static_cast<std::uint8_t>(std::lround(top * (1 - fy) + bottom * fy));
            }
        }
    }
}

// Tiles start at the virtual screen's origin: the first tile left of or at the monitor's edge.
int FirstTile(int edge, int size) {
    const int q = edge / size;
    return (edge % size != 0 && edge < 0 ? q - 1 : q) * size;
}

}  // namespace

PlacedRect PlacePicture(int pictureWidth, int pictureHeight, const ScreenRect& monitor,
                        PictureFit fit) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || Empty(monitor)) {
        return PlacedRect{};
    }
    const double sx = static_cast<double>(monitor.Width()) / pictureWidth;
    const double sy = static_cast<double>(monitor.Height()) / pictureHeight;
    switch (fit) {
        case PictureFit::kStretch:
            return Placed(monitor);
        case PictureFit::kCentre:
        case PictureFit::kTile:
            return Centred(monitor, pictureWidth, pictureHeight);
        case PictureFit::kFit:
        case PictureFit::kFill:
        case PictureFit::kSpan:
            break;
    }
    const double scale = fit == PictureFit::kFit ? std::min(sx, sy) : std::max(sx, sy);
    // The side that decides the scale matches the monitor exactly; the other is rounded.
    const std::int64_t width = sx == scale
                                   ? monitor.Width()
                                   : std::max<std::int64_t>(1, std::llround(pictureWidth * scale));
    const std::int64_t height =
        sy == scale ? monitor.Height()
                    : std::max<std::int64_t>(1, std::llround(pictureHeight * scale));
    return Centred(monitor, width, height);
}

ScreenRect UnionOfMonitors(const std::vector<ScreenRect>& monitors) {
    ScreenRect all;
    bool first = true;
    for (const ScreenRect& m : monitors) {
        if (Empty(m)) {
            continue;
        }
        all = first ? m
                    : ScreenRect{std::min(all.left, m.left), std::min(all.top, m.top),
                                 std::max(all.right, m.right), std::max(all.bottom, m.bottom)};
        first = false;
    }
    return all;
}

RgbPicture LayPicture(const RgbPicture& picture, const ScreenRect& canvas,
                      const std::vector<ScreenRect>& monitors, PictureFit fit,
                      RgbColour background) {
    RgbPicture out;
    if (Empty(canvas)) {
        return out;
    }
    out.width = canvas.Width();
    out.height = canvas.Height();
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    for (std::size_t i = 0; i < out.pixels.size(); i += 3) {
        std::copy(background.begin(), background.end(), out.pixels.begin() + i);
    }
    const bool whole =
        picture.width > 0 && picture.height > 0 &&
        picture.pixels.size() >= static_cast<std::size_t>(picture.width) * picture.height * 3;
    if (!whole) {
        return out;
    }
    if (fit == PictureFit::kSpan) {
        const ScreenRect all = UnionOfMonitors(monitors);
        const PlacedRect dest = PlacePicture(picture.width, picture.height, all, fit);
        for (const ScreenRect& monitor : monitors) {
            DrawCopy(picture, dest, monitor, canvas, out);
        }
        return out;
    }
    for (const ScreenRect& monitor : monitors) {
        if (fit != PictureFit::kTile) {
            DrawCopy(picture, PlacePicture(picture.width, picture.height, monitor, fit), monitor,
                     canvas, out);
            continue;
        }
        for (int top = FirstTile(monitor.top, picture.height); top < monitor.bottom;
             top += picture.height) {
            for (int left = FirstTile(monitor.left, picture.width); left < monitor.right;
                 left += picture.width) {
                DrawCopy(picture,
                         PlacedRect{left, top, std::int64_t{left} + picture.width,
                                    std::int64_t{top} + picture.height},
                         monitor, canvas, out);
            }
        }
    }
    return out;
}

PictureSize SizeWorthDecoding(int pictureWidth, int pictureHeight, PictureSize need,
                              PictureFit fit) {
    PictureSize size{std::max(0, pictureWidth), std::max(0, pictureHeight)};
    if (size.width == 0 || size.height == 0 || need.width <= 0 || need.height <= 0) {
        return size;
    }
    const double sx = static_cast<double>(need.width) / size.width;
    const double sy = static_cast<double>(need.height) / size.height;
    double scale = 1.0;
    switch (fit) {
        case PictureFit::kFill:
        case PictureFit::kSpan:
            scale = std::max(sx, sy);
            break;
        case PictureFit::kFit:
            scale = std::min(sx, sy);
            break;
        case PictureFit::kStretch:
            return PictureSize{std::min(size.width, need.width),
                               std::min(size.height, need.height)};
        case PictureFit::kCentre:
        case PictureFit::kTile:
            return size;  // shown at its own size
    }
    if (scale >= 1.0) {
        return size;
    }
    return PictureSize{std::max(1, static_cast<int>(std::ceil(size.width * scale))),
                       std::max(1, static_cast<int>(std::ceil(size.height * scale)))};
}

}  // namespace altostrat
