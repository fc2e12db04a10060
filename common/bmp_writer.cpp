#include "common/bmp_writer.h"

#include "common/file_bytes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace altostrat {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
// Keeps every size field of the headers well inside 32 bits.
constexpr std::uint64_t kMaxImageBytes = 0x7FFF0000u;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

bool ValidSize(std::int32_t width, std::int32_t height, int bitsPerPixel) {
    if (width <= 0 || height <= 0) {
        return false;
    }
    const std::uint64_t bytes = static_cast<std::uint64_t>(BmpRowBytes(width, bitsPerPixel)) *
                                static_cast<std::uint64_t>(height);
    return bytes <= kMaxImageBytes;
}

// The file header and the BITMAPINFOHEADER, then the palette of paletteEntries colours.
std::vector<std::uint8_t> Headers(std::int32_t width, std::int32_t height, int bitsPerPixel,
                                  std::uint32_t paletteEntries) {
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(BmpRowBytes(width, bitsPerPixel) *
                                                                static_cast<std::size_t>(height));
    const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes + paletteEntries * 4;
    std::vector<std::uint8_t> out;
    out.reserve(offset);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);  // two reserved words
    Put32(out, offset);
    Put32(out, kInfoHeaderBytes);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom row first
    Put16(out, 1);                                   // planes
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(out, 0);  // BI_RGB, uncompressed
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dots per inch, as Windows writes them
    Put32(out, 2835);
    Put32(out, paletteEntries);
    Put32(out, 0);  // every colour is important
    return out;
}

// Writes head and then the rows that `row(y)` gives (y from the bottom), each padded, into a
// temporary file beside path, and moves it over path. The temporary file never survives a failure.
template <typename RowSource>
bool WriteReplacing(const std::string& path, const std::vector<std::uint8_t>& head,
                    std::int32_t height, std::size_t pixelBytes, std::size_t paddedBytes,
                    RowSource row) {
    const std::filesystem::path target = PathFromUtf8(path);
    std::filesystem::path temporary = target;
    temporary += ".writing";
    bool written = false;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (file) {
            file.write(reinterpret_cast<const char*>(head.data()),
                       static_cast<std::streamsize>(head.size()));
            const char padding[4] = {};
            for (std::int32_t y = 0; y < height && file; ++y) {
                file.write(reinterpret_cast<const char*>(row(y)),
                           static_cast<std::streamsize>(pixelBytes));
                file.write(padding, static_cast<std::streamsize>(paddedBytes - pixelBytes));
            }
            file.flush();
            written = static_cast<bool>(file);
            file.close();
            written = written && !file.fail();
        }
    }
    std::error_code error;
    if (written) {
        // Replaces an existing target in one step, on Windows as well (MoveFileEx underneath).
        std::filesystem::rename(temporary, target, error);
        if (!error) {
            return true;
        }
    }
    std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace

std::size_t BmpRowBytes(std::int32_t width, int bitsPerPixel) {
    const std::size_t bits =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel);
    return (bits + 31) / 32 * 4;
}

bool WriteBmp24(const std::string& path, const Bgr24View& picture) {
    if (!ValidSize(picture.width, picture.height, 24) || picture.rows == nullptr ||
        picture.stride < static_cast<std::size_t>(picture.width) * 3) {
        return false;
    }
    const std::size_t pixelBytes = static_cast<std::size_t>(picture.width) * 3;
    return WriteReplacing(path, Headers(picture.width, picture.height, 24, 0), picture.height,
                          pixelBytes, BmpRowBytes(picture.width, 24), [&](std::int32_t y) {
                              return picture.rows + picture.stride * static_cast<std::size_t>(y);
                          });
}

std::vector<std::uint8_t> Bmp24Bytes(const Bgr24View& picture) {
    if (!ValidSize(picture.width, picture.height, 24) || picture.rows == nullptr ||
        picture.stride < static_cast<std::size_t>(picture.width) * 3) {
        return {};
    }
    const std::size_t pixelBytes = static_cast<std::size_t>(picture.width) * 3;
    const std::size_t paddedBytes = BmpRowBytes(picture.width, 24);
    std::vector<std::uint8_t> bytes = Headers(picture.width, picture.height, 24, 0);
    bytes.reserve(bytes.size() + paddedBytes * static_cast<std::size_t>(picture.height));
    for (std::int32_t y = 0; y < picture.height; ++y) {
        const std::uint8_t* row = picture.rows + picture.stride * static_cast<std::size_t>(y);
        bytes.insert(bytes.end(), row, row + pixelBytes);
        bytes.insert(bytes.end(), paddedBytes - pixelBytes, 0);
    }
    return bytes;
}

bool WriteBmp8(const std::string& path, const Indexed8Picture& picture) {
    if (!ValidSize(picture.width, picture.height, 8) ||
        picture.indices.size() !=
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
        return false;
    }
    std::vector<std::uint8_t> head = Headers(picture.width, picture.height, 8, 256);
    for (const auto& colour : picture.palette) {
        head.push_back(colour[2]);  // RGBQUAD: blue, green, red, reserved
        head.push_back(colour[1]);
        head.push_back(colour[0]);
        head.push_back(0);
    }
    const std::size_t width = static_cast<std::size_t>(picture.width);
    return WriteReplacing(path, head, picture.height, width, BmpRowBytes(picture.width, 8),
                          [&](std::int32_t y) {
                              return picture.indices.data() + width * static_cast<std::size_t>(y);
                          });
}

}  // namespace altostrat
