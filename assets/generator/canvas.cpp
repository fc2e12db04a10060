#include "assets/generator/canvas.h"

#include <cmath>

namespace altostrat::assets {

Rgb Mix(Rgb a, Rgb b, double weight) {
    auto channel = [weight](int x, int y) {
        return static_cast<std::uint8_t>(std::lround(x * weight + y * (1.0 - weight)));
    };
    return Rgb{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Set(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
    }
}

Rgb Canvas::Get(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Canvas::Fill(int left, int top, int width, int height, Rgb colour) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            Set(x, y, colour);
        }
    }
}

void Canvas::MoveTo(GeneratedPicture& picture) const {
    picture.indexed = false;
    picture.width = width_;
    picture.height = height_;
    picture.bgr.resize(static_cast<std::size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        const std::size_t row = static_cast<std::size_t>(height_ - 1 - y) * width_ * 3;
        for (int x = 0; x < width_; ++x) {
            const Rgb c = Get(x, y);
            picture.bgr[row + x * 3] = c.b;
            picture.bgr[row + x * 3 + 1] = c.g;
            picture.bgr[row + x * 3 + 2] = c.r;
        }
    }
}

}  // namespace altostrat::assets
