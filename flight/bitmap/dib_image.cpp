#include "flight/bitmap/dib_image.h"

#include <new>

#include "common/file_bytes.h"
#include "flight/bitmap/dib_format.h"
#include "flight/bitmap/dib_rle.h"
#include "flight/bitmap/dib_rows.h"

namespace altostrat {
namespace {

// 8192 x 8192: more than any screen the host photographs. Larger pictures are refused before
// anything is allocated, so that no header can make the reader claim absurd memory.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;
// Four times the largest accepted picture at 32 bits per pixel: a longer file is not read.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

const char* MessageFor(DibStatus status) {
    switch (status) {
        case DibStatus::kConversionError:
            return kDibConversionError;
        case DibStatus::kOutOfMemory:
            return kDibOutOfMemory;
        case DibStatus::kUnknownFormat:
        case DibStatus::kTruncated:
        case DibStatus::kOk:
            break;
    }
    return kDibUnknownFormat;
}

void Report(const DibErrorReport& report, const std::string& message) {
    if (report) {
        report(message);
    }
}

// Windows cannot make a bitmap with no width or height, nor one of negative width; such a
// picture fails where its 24-bit copy would be made, as out of memory.
DibStatus CheckSize(const DibFormat& format) {
    if (format.width <= 0 || format.height == 0) {
        return DibStatus::kOutOfMemory;
    }
    const std::uint64_t rows = format.height < 0 ? 0 - static_cast<std::uint64_t>(format.height)
                                                 : static_cast<std::uint64_t>(format.height);
    if (static_cast<std::uint64_t>(format.width) * rows > kMaxPixels) {
        return DibStatus::kOutOfMemory;
    }
    return DibStatus::kOk;
}

// The pixel formats the reader converts; everything else is a conversion error, as it is for
// Windows. Run-length pictures are bottom-up by definition, and bit fields need a mask for each
// of red, green and blue.
DibStatus CheckPixelFormat(const DibFormat& format) {
    const unsigned bits = format.bitsPerPixel;
    bool known = false;
    switch (format.compression) {
        case kDibRgb:
            known = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
            break;
        case kDibRle8:
            known = bits == 8 && format.height > 0;
            break;
        case kDibRle4:
            known = bits == 4 && format.height > 0;
            break;
        case kDibBitFields:
            known = (bits == 16 || bits == 32) && format.masks[0] != 0 && format.masks[1] != 0 &&
                    format.masks[2] != 0;
            break;
        default:
            break;
    }
    return known ? DibStatus::kOk : DibStatus::kConversionError;
}

DibStatus Decode(const std::uint8_t* data, std::size_t size, RgbImage& image) {
    DibFormat format;
    DibStatus status = ParseDibFormat(data, size, format);
    if (status == DibStatus::kOk) {
        status = CheckSize(format);
    }
    if (status == DibStatus::kOk) {
        status = CheckPixelFormat(format);
    }
    if (status != DibStatus::kOk) {
        return status;
    }
    image.width = format.width;
    image.height = format.height < 0 ? -format.height : format.height;
    if (format.compression == kDibRle8 || format.compression == kDibRle4) {
        return DecodeDibRle(data, size, format, image.pixels);
    }
    return DecodeDibRows(data, size, format, image.pixels);
}

}  // namespace

std::string DibOpenFailureMessage(const std::string& path) {
    return "Failed to open DIB file " + path + ".\n";
}

std::unique_ptr<RgbImage> DecodeDib(const std::uint8_t* data, std::size_t size,
                                    const DibErrorReport& report) {
    std::unique_ptr<RgbImage> image;
    DibStatus status = DibStatus::kOk;
    try {
        image = std::make_unique<RgbImage>();
        status = Decode(data, size, *image);
    } catch (const std::bad_alloc&) {
        status = DibStatus::kOutOfMemory;
    }
    if (status != DibStatus::kOk) {
        Report(report, MessageFor(status));
        return nullptr;
    }
    return image;
}

std::unique_ptr<RgbImage> LoadDibImage(const std::string& path, const DibErrorReport& report) {
    const FileReadResult file = ReadWholeFile(path, kMaxFileBytes);
    if (file.status == FileReadStatus::kTooLarge) {
        Report(report, kDibOutOfMemory);
        return nullptr;
    }
    // An empty file counts as unreadable: Windows cannot map it into memory either.
    if (file.status != FileReadStatus::kRead || file.size == 0) {
        Report(report, DibOpenFailureMessage(path));
        return nullptr;
    }
    return DecodeDib(file.data.get(), file.size, report);
}

}  // namespace altostrat
