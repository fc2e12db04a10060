#pragma once
// A capture folder as the host leaves it, for the scene benchmarks: a 256 x 256 sky and glow and
// a desktop of the size asked for, all of fixed noise (so that no picture compresses or repeats
// in a way a real one would not), written through the host's own bitmap writer into a fresh
// temporary folder that goes when the benchmark is done.

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/agreement.h"
#include "common/bmp_writer.h"

namespace altostrat {

inline std::vector<std::uint8_t> NoisyPixels(int width, int height) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint8_t>(i * 2654435761u >> 24);
    }
    return pixels;
}

struct BenchCaptures {
    std::filesystem::path dir;

    BenchCaptures(int desktopWidth, int desktopHeight) {
        char name[] = "/tmp/altostrat-bench-XXXXXX";
        dir = mkdtemp(name);
        Write(CapturePicture::kSky, 256, 256);
        Write(CapturePicture::kDesktop, desktopWidth, desktopHeight);
        Write(CapturePicture::kGlow, 256, 256);
    }
    ~BenchCaptures() { std::filesystem::remove_all(dir); }
    BenchCaptures(const BenchCaptures&) = delete;
    BenchCaptures& operator=(const BenchCaptures&) = delete;

  private:
    void Write(CapturePicture picture, int width, int height) {
        // Rows padded to 4 bytes, as the writer reads them.
        const std::size_t stride = BmpRowBytes(width, 24);
        const std::vector<std::uint8_t> noise =
            NoisyPixels(static_cast<int>(stride / 3) + 1, height);
        WriteBmp24(CapturePicturePath(dir.string(), picture),
                   Bgr24View{width, height, noise.data(), stride});
    }
};

}  // namespace altostrat
