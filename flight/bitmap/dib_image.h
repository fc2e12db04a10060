#pragma once
// Windows bitmap files (the BMP/DIB format) read into plain 24-bit RGB, ready for a texture
// upload. The reader decodes every format itself and trusts no field of the file: whatever a
// header announces is checked against the bytes that are really there.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace altostrat {

struct RgbImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    // width * height * 3 bytes: red, green, blue; rows without padding, bottom row first.
    std::vector<std::uint8_t> pixels;
};

// Receives the one message of a failed load. The renderer shows it in a message box captioned
// "Error"; tests record it.
using DibErrorReport = std::function<void(const std::string& message)>;

constexpr char kDibUnknownFormat[] = "Unknown DIB file format.";
constexpr char kDibConversionError[] = "Image file conversion error.";
constexpr char kDibOutOfMemory[] = "Out of memory.";

// "Failed to open DIB file PATH." and a line feed.
std::string DibOpenFailureMessage(const std::string& path);

// Reads and decodes the file at path (a narrow path, as the C library takes it). On failure
// reports exactly one message and returns null; no partial image is ever returned.
std::unique_ptr<RgbImage> LoadDibImage(const std::string& path, const DibErrorReport& report);

// The same for a file already in memory: data[0, size) is the whole file.
std::unique_ptr<RgbImage> DecodeDib(const std::uint8_t* data, std::size_t size,
                                    const DibErrorReport& report);

}  // namespace altostrat
