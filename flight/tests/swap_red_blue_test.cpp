#include "flight/bitmap/swap_red_blue.h"

#include <gtest/gtest.h>

#include <vector>

namespace altostrat {
namespace {

// The word-wise turn must give exactly what swapping byte by byte gives, for rows that end
// anywhere in or after a group of eight pixels, and must not touch the byte after the row.
TEST(SwapRedAndBlue, EqualsTheBytewiseSwapForEveryRowLength) {
    for (std::size_t width = 0; width <= 41; ++width) {
        std::vector<std::uint8_t> row(3 * width + 1);
        for (std::size_t i = 0; i < row.size(); ++i) {
            row[i] = static_cast<std::uint8_t>(i * 37 + width);
        }
        std::vector<std::uint8_t> expected = row;
        for (std::size_t x = 0; x < width; ++x) {
            std::swap(expected[3 * x], expected[3 * x + 2]);
        }
        SwapRedAndBlue(row.data(), width);
        EXPECT_EQ(row, expected) << "width " << width;
    }
}

}  // namespace
}  // namespace altostrat
