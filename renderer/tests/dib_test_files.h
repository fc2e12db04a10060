#pragma once
// Small bitmap files built byte by byte for the reader's tests, and a sink that records the
// messages a load reports.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "dib_image.h"

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

struct RecordedReports {
    std::vector<std::string> messages;
    DibErrorReport Sink() {
        return [this](const std::string& message) { messages.push_back(message); };
    }
};

}  // namespace altostrat::testing
