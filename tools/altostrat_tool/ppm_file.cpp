#include "tools/altostrat_tool/ppm_file.h"

#include <cstdio>

namespace altostrat::tool {

bool WritePpm(const std::string& path, const RgbImage& image) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fprintf(file, "P6\n%d %d\n255\n", image.width, image.height) > 0;
    const std::size_t row = static_cast<std::size_t>(image.width) * 3;
    for (std::int32_t y = image.height - 1; written && y >= 0; --y) {
        const std::uint8_t* pixels = image.pixels.data() + static_cast<std::size_t>(y) * row;
        written = std::fwrite(pixels, 1, row, file) == row;
    }
    return std::fclose(file) == 0 && written;
}

}  // namespace altostrat::tool
