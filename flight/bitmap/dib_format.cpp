#include "flight/bitmap/dib_format.h"

#include <algorithm>

#include "common/little_endian.h"

namespace altostrat {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::size_t kMaskBytes = 12;

// The table length a header implies when it does not give one.
std::uint32_t TableEntriesForDepth(std::uint32_t bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

// Whether length bytes from offset lie within a file of size bytes. Written so that no sum can
// wrap, whatever the file claims.
bool Fits(std::size_t size, std::size_t offset, std::uint64_t length) {
    return offset <= size && length <= size - offset;
}

}  // namespace

DibStatus ParseDibFormat(const std::uint8_t* data, std::size_t size, DibFormat& format) {
    format = DibFormat{};
    std::size_t header = 0;
    bool hasPixelOffset = false;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        if (size < kFileHeaderSize) {
            return DibStatus::kTruncated;
        }
        format.pixelOffset = ReadU32(data + 10);
        hasPixelOffset = true;
        header = kFileHeaderSize;
    }
    if (!Fits(size, header, 4)) {
        return DibStatus::kTruncated;
    }
    const std::uint8_t* h = data + header;
    const std::uint32_t headerSize = ReadU32(h);
    std::uint32_t entries = 0;
    std::size_t entrySize = 0;
    std::size_t table = 0;
    if (headerSize == kInfoHeaderSize) {
        if (!Fits(size, header, kInfoHeaderSize)) {
            return DibStatus::kTruncated;
        }
        format.width = ReadI32(h + 4);
        format.height = ReadI32(h + 8);
        format.bitsPerPixel = ReadU16(h + 14);
        format.compression = ReadU32(h + 16);
        const std::uint32_t coloursUsed = ReadU32(h + 32);
        entries =
            coloursUsed != 0 ? (coloursUsed & 0xFFFFu) : TableEntriesForDepth(format.bitsPerPixel);
        entrySize = 4;
        table = header + kInfoHeaderSize;
        if (format.compression == kDibBitFields) {
            // The masks sit between the header and the colour table.
            if (!Fits(size, table, kMaskBytes)) {
                return DibStatus::kTruncated;
            }
            for (int i = 0; i < 3; ++i) {
                format.masks[i] = ReadU32(data + table + 4 * i);
            }
            table += kMaskBytes;
        }
    } else if (headerSize == kCoreHeaderSize) {
        if (!Fits(size, header, kCoreHeaderSize)) {
            return DibStatus::kTruncated;
        }
        // The old header's fields are unsigned 16-bit: such a file is always bottom-up.
        format.width = ReadU16(h + 4);
        format.height = ReadU16(h + 6);
        format.bitsPerPixel = ReadU16(h + 10);
        entries = TableEntriesForDepth(format.bitsPerPixel);
        entrySize = 3;
        table = header + kCoreHeaderSize;
    } else {
        return DibStatus::kUnknownFormat;
    }

    const std::uint64_t tableBytes = static_cast<std::uint64_t>(entries) * entrySize;
    if (!Fits(size, table, tableBytes)) {
        return DibStatus::kTruncated;
    }
    const std::uint32_t used = std::min<std::uint32_t>(entries, format.palette.size());
    for (std::uint32_t i = 0; i < used; ++i) {
        const std::uint8_t* entry = data + table + i * entrySize;
        format.palette[i] = DibColour{entry[2], entry[1], entry[0]};
    }
    if (!hasPixelOffset) {
        format.pixelOffset = table + static_cast<std::size_t>(tableBytes);
    }
    return DibStatus::kOk;
}

}  // namespace altostrat
