#include "host/ground/picture_budget.h"

#include <algorithm>

namespace altostrat {
namespace {

constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint64_t kBlockBytes = 64 * 2;

bool StartOfFrame(std::uint8_t marker) {
    // C0 to CF, but C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers without a length: the image's start and end, restarts, TEM.
bool StandsAlone(std::uint8_t marker) {
    return marker == kStartOfImage || marker == kEndOfImage || (marker >= 0xD0 && marker <= 0xD7) ||
           marker == 0x01;
}

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) {
    return (a + b - 1) / b;
}

// The size, components and coefficients a JPEG frame header (its payload, past the length)
// gives.
void ReadFrame(const std::uint8_t* frame, std::size_t length, PictureHeader& header) {
    if (length < 6) {
        return;
    }
    const int height = (frame[1] << 8) | frame[2];
    const int width = (frame[3] << 8) | frame[4];
    const std::size_t components = frame[5];
    if (components == 0 || length < 6 + components * 3) {
        return;
    }
    std::uint64_t h_max = 1;
    std::uint64_t v_max = 1;
    for (std::size_t c = 0; c < components; ++c) {
        h_max = std::max<std::uint64_t>(h_max, frame[7 + c * 3] >> 4);
        v_max = std::max<std::uint64_t>(v_max, frame[7 + c * 3] & 15);
    }
    std::uint64_t bytes = 0;
    for (std::size_t c = 0; c < components; ++c) {
        const std::uint64_t h = std::max(1, frame[7 + c * 3] >> 4);
        const std::uint64_t v = std::max(1, frame[7 + c * 3] & 15);
        bytes += CeilDiv(width * h, h_max * 8) * CeilDiv(height * v, v_max * 8) * kBlockBytes;
    }
    header.width = width;
    header.height = height;
    header.bytes_per_pixel = static_cast<int>(components);
    header.coefficient_bytes = bytes;
}

void ReadJpeg(const std::uint8_t* data, std::size_t size, PictureHeader& header) {
    bool frame_read = false;
    std::size_t pos = 2;
    while (pos + 1 < size) {
        if (data[pos] != 0xFF) {
            ++pos;  // entropy-coded data of a scan, or junk between segments
            continue;
        }
        const std::uint8_t marker = data[pos + 1];
        if (marker == 0x00 || marker == 0xFF) {
            pos += marker == 0x00 ? 2 : 1;  // a stuffed byte, or fill before a marker
            continue;
        }
        if (marker == kEndOfImage) {
            return;
        }
        if (StandsAlone(marker)) {
            pos += 2;
            continue;
        }
        if (pos + 4 > size) {
            return;
        }
        const std::size_t length = (data[pos + 2] << 8) | data[pos + 3];
        if (length < 2 || pos + 2 + length > size) {
            return;
        }
        if (StartOfFrame(marker) && !frame_read) {
            frame_read = true;
            ReadFrame(data + pos + 4, length - 2, header);
            header.progressive = (marker & 3) == 2;  // C2, C6, CA, CE
        }
        if (marker == kStartOfScan) {
            ++header.scans;
        }
        pos += 2 + length;
    }
}

// PNG's header chunk: its size, and the bytes a pixel takes by colour type and depth.
void ReadPng(const std::uint8_t* data, std::size_t size, PictureHeader& header) {
    constexpr std::uint8_t kChunk[] = {0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    if (size < 8 + 8 + 13 || !std::equal(kChunk, kChunk + 8, data + 8)) {
        return;
    }
    const auto word = [&](std::size_t at) {
        return (std::uint64_t{data[at]} << 24) | (data[at + 1] << 16) | (data[at + 2] << 8) |
               data[at + 3];
    };
    const std::uint64_t width = word(16);
    const std::uint64_t height = word(20);
    const int depth = data[24];
    int channels = 0;
    switch (data[25]) {
        case 0:
            channels = 1;
            break;  // grey
        case 2:
            channels = 3;
            break;  // red, green, blue
        case 3:
            channels = 1;
            break;  // palette
        case 4:
            channels = 2;
            break;  // grey and alpha
        case 6:
            channels = 4;
            break;  // red, green, blue and alpha
        default:
            return;
    }
    if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) {
        return;
    }
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    header.bytes_per_pixel = channels * (depth == 16 ? 2 : 1);
}

}  // namespace

PictureHeader ReadPictureHeader(const std::uint8_t* data, std::size_t size) {
    constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    PictureHeader header;
    if (size >= 2 && data[0] == 0xFF && data[1] == kStartOfImage) {
        header.format = PictureFormat::kJpeg;
        ReadJpeg(data, size, header);
    } else if (size >= 8 && std::equal(kPngSignature, kPngSignature + 8, data)) {
        header.format = PictureFormat::kPng;
        ReadPng(data, size, header);
    }
    return header;
}

DecodePlan PlanPictureDecode(PictureSize frame, int bytes_per_pixel, const PictureHeader& header,
                             PictureSize worth, bool reduces) {
    DecodePlan plan;
    if (frame.width <= 0 || frame.height <= 0 || bytes_per_pixel <= 0 ||
        header.scans > kMaxJpegScans) {
        return plan;
    }
    const auto reduced = [&](int by) {
        return PictureSize{static_cast<int>(CeilDiv(frame.width, by)),
                           static_cast<int>(CeilDiv(frame.height, by))};
    };
    if (reduces) {
        for (int by : {8, 4, 2}) {
            const PictureSize size = reduced(by);
            if (size.width >= worth.width && size.height >= worth.height) {
                plan.reduction = by;
                break;
            }
        }
    }
    const PictureSize made = reduced(plan.reduction);
    plan.bytes = static_cast<std::uint64_t>(made.width) * made.height * bytes_per_pixel +
                 (header.scans > 1 || header.progressive ? header.coefficient_bytes : 0);
    plan.decode = plan.bytes <= kPictureDecodeBudget;
    return plan;
}

}  // namespace altostrat
