#include "host/ground/plain_picture.h"

#include <algorithm>
#include <cstddef>

namespace altostrat {

bool IsOneColour(const RgbPicture& picture) {
    const std::size_t count = static_cast<std::size_t>(picture.width > 0 ? picture.width : 0) *
                              static_cast<std::size_t>(picture.height > 0 ? picture.height : 0);
    if (count == 0 || picture.pixels.size() < count * 3) {
        return true;
    }
    std::uint8_t low[3] = {255, 255, 255};
    std::uint8_t high[3] = {0, 0, 0};
    for (std::size_t i = 0; i < count * 3; i += 3) {
        for (std::size_t c = 0; c < 3; ++c) {
            const std::uint8_t value = picture.pixels[i + c];
            low[c] = std::min(low[c], value);
            high[c] = std::max(high[c], value);
            if (high[c] - low[c] > 2 * kPlainColourLevels) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace altostrat
