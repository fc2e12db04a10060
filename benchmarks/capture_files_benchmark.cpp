// The host's own share of a saver start: writing the three pictures through the bitmap writer,
// a 1024 x 768 screen and the two 256 x 256 pictures, as the saver form does before it starts
// the renderer. Aim: under 50 ms together.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/agreement.h"
#include "common/bmp_writer.h"

namespace {

void BM_WriteThreeCaptureFiles(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "altostrat_capture_benchmark";
    fs::create_directories(folder);
    const std::size_t screenStride = altostrat::BmpRowBytes(1024, 24);
    std::vector<std::uint8_t> screen(screenStride * 768);
    for (std::size_t i = 0; i < screen.size(); ++i) {
        screen[i] = static_cast<std::uint8_t>(i * 31);
    }
    std::vector<std::uint8_t> square(256 * 3 * 256, 0x80);
    const std::string desktop =
        altostrat::CapturePicturePath(folder.string(), altostrat::CapturePicture::kDesktop);
    const std::string sky =
        altostrat::CapturePicturePath(folder.string(), altostrat::CapturePicture::kSky);
    const std::string glow =
        altostrat::CapturePicturePath(folder.string(), altostrat::CapturePicture::kGlow);
    for (auto _ : state) {
        bool ok = altostrat::WriteBmp24(desktop, {1024, 768, screen.data(), screenStride});
        ok &= altostrat::WriteBmp24(sky, {256, 256, square.data(), 256 * 3});
        ok &= altostrat::WriteBmp24(glow, {256, 256, square.data(), 256 * 3});
        benchmark::DoNotOptimize(ok);
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_WriteThreeCaptureFiles)->Unit(benchmark::kMillisecond);

}  // namespace
