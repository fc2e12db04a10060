#pragma once
// A 24-bit picture drawn top row first, handed over as a GeneratedPicture (bottom row first).
#include <cstdint>

#include "assets/generator/picture.h"

namespace altostrat::assets {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

constexpr Rgb Hex(std::uint32_t rgb) {
    return Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
               static_cast<std::uint8_t>(rgb)};
}

// A weighted mix, WEIGHT of A and 1 - WEIGHT of B, rounded.
Rgb Mix(Rgb a, Rgb b, double weight);

class Canvas {
  public:
    Canvas(int width, int height, Rgb fill);
    void Set(int x, int y, Rgb colour);
    Rgb Get(int x, int y) const;
    void Fill(int left, int top, int width, int height, Rgb colour);
    void MoveTo(GeneratedPicture& picture) const;
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace altostrat::assets
