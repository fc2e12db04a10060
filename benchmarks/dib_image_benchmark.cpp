// Reading the desktop photograph the host writes (1024 x 768, 24 bits) next to a plain copy of
// the same number of bytes, so the two figures of one run can be compared: the reader should
// stay within four times the copy.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "flight/bitmap/dib_image.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFFu);
    PutU16(out, value >> 16);
}

// A bottom-up 24-bit file with a file header, as the host's capture writes it.
std::vector<std::uint8_t> DesktopFile() {
    const std::uint32_t pixelBytes = kWidth * kHeight * 3;
    std::vector<std::uint8_t> file = {'B', 'M'};
    PutU32(file, 54 + pixelBytes);
    PutU32(file, 0);
    PutU32(file, 54);
    for (std::uint32_t v : {40u, std::uint32_t{kWidth}, std::uint32_t{kHeight}}) {
        PutU32(file, v);
    }
    PutU16(file, 1);
    PutU16(file, 24);
    for (int i = 0; i < 6; ++i) {
        PutU32(file, 0);
    }
    for (std::uint32_t i = 0; i < pixelBytes; ++i) {
        file.push_back(static_cast<std::uint8_t>(i * 2654435761u >> 24));
    }
    return file;
}

std::string WriteDesktopFile() {
    const std::string path =
        (std::filesystem::temp_directory_path() / "altostrat-benchmark-1024x768.bmp").string();
    const std::vector<std::uint8_t> bytes = DesktopFile();
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    return path;
}

void LoadDesktopFile(benchmark::State& state) {
    const std::string path = WriteDesktopFile();
    const auto size = std::filesystem::file_size(path);
    for (auto _ : state) {
        auto image = altostrat::LoadDibImage(path, nullptr);
        if (image == nullptr) {
            state.SkipWithError("the file could not be read");
            break;
        }
        benchmark::DoNotOptimize(image->pixels.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    std::filesystem::remove(path);
}
BENCHMARK(LoadDesktopFile)->Unit(benchmark::kMicrosecond);

// The decoding alone, with the file already in memory.
void DecodeDesktopFile(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = DesktopFile();
    for (auto _ : state) {
        auto image = altostrat::DecodeDib(bytes.data(), bytes.size(), nullptr);
        benchmark::DoNotOptimize(image->pixels.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(DecodeDesktopFile)->Unit(benchmark::kMicrosecond);

// The yardstick: copying the file's bytes from one buffer into another.
void CopySameBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> from = DesktopFile();
    std::vector<std::uint8_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * from.size()));
}
BENCHMARK(CopySameBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
