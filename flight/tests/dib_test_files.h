#pragma once
// Small bitmap files built byte by byte for the reader's tests, and a sink that records the
// messages a load reports.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "flight/bitmap/dib_image.h"

namespace altostrat::testing {

struct Bytes {
    std::vector<std::uint8_t> data;

    Bytes& U8(std::initializer_list<std::uint8_t> values) {
        data.insert(data.end(), values);
        return *this;
    }
    Bytes& U16(std::uint32_t value) {
        return U8({static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
    }
    Bytes& U32(std::uint32_t value) { return U16(value & 0xFFFFu).U16(value >> 16); }
    Bytes& Fill(std::size_t count, std::uint8_t value) {
        data.insert(data.end(), count, value);
        return *this;
    }
    Bytes& Append(const Bytes& more) {
        data.insert(data.end(), more.data.begin(), more.data.end());
        return *this;
    }
};

// A 40-byte information header.
inline Bytes InfoHeader(std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel,
                        std::uint32_t compression = 0, std::uint32_t coloursUsed = 0) {
    Bytes b;
    b.U32(40).U32(static_cast<std::uint32_t>(width)).U32(static_cast<std::uint32_t>(height));
    b.U16(1).U16(bitsPerPixel).U32(compression).U32(0).U32(2835).U32(2835);
    return b.U32(coloursUsed).U32(0);
}

// A 12-byte core header.
inline Bytes CoreHeader(std::uint16_t width, std::uint16_t height, std::uint16_t bitsPerPixel) {
    Bytes b;
    return b.U32(12).U16(width).U16(height).U16(1).U16(bitsPerPixel);
}

// The 14-byte "BM" file header in front of a packed bitmap whose pixels start pixelsAt bytes
// after the packed bitmap's start.
inline std::vector<std::uint8_t> WithFileHeader(const Bytes& packed, std::uint32_t pixelsAt) {
    Bytes file;
    file.U8({'B', 'M'}).U32(static_cast<std::uint32_t>(14 + packed.data.size()));
    file.U32(0).U32(14 + pixelsAt).Append(packed);
    return file.data;
}

// Writes bytes to a file of the given name in the temporary folder; gives its path.
inline std::string WriteTempFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        if (!bytes.empty()) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
        }
        std::fclose(file);
    }
    return path;
}

struct RecordedReports {
    std::vector<std::string> messages;
    DibErrorReport Sink() {
        return [this](const std::string& message) { messages.push_back(message); };
    }
};

struct Decoded {
    std::unique_ptr<RgbImage> image;
    std::vector<std::string> messages;
};

// Decodes a copy of the file in a heap block of exactly its length, so that AddressSanitizer
// stops any read past the end.
inline Decoded DecodeExact(const std::vector<std::uint8_t>& file) {
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[file.size()]);
    std::copy(file.begin(), file.end(), exact.get());
    RecordedReports reports;
    Decoded decoded;
    decoded.image = DecodeDib(exact.get(), file.size(), reports.Sink());
    decoded.messages = reports.messages;
    return decoded;
}

}  // namespace altostrat::testing

namespace altostrat::testing {

struct Rgb {
    std::uint8_t r, g, b;
};

// A 24-bit bottom-up bitmap file, as the host writes its captures; pixel(x, y) counts y from
// the top of the picture.
template <typename PixelFunction>
std::vector<std::uint8_t> Bitmap24(int width, int height, PixelFunction pixel) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    Bytes packed = InfoHeader(width, height, 24);
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, height - 1 - row);
            packed.U8({c.b, c.g, c.r});
        }
        packed.Fill(static_cast<std::size_t>(rowBytes - width * 3), 0);
    }
    return WithFileHeader(packed, 40);
}

}  // namespace altostrat::testing
