#include "common/keeper_photograph.h"

#include "common/little_endian.h"

namespace altostrat {
namespace {

// Larger than any screen a photograph is taken of (sixteen 8K monitors); a header claiming more
// is not one the keeper wrote.
constexpr std::uint64_t kLargestPixelBytes = std::uint64_t{1} << 30;

void PutU32(std::uint8_t* p, std::uint32_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
    p[2] = static_cast<std::uint8_t>(value >> 16);
    p[3] = static_cast<std::uint8_t>(value >> 24);
}

std::uint64_t PixelBytes(const ScreenRect& screen) {
    if (screen.Width() <= 0 || screen.Height() <= 0) {
        return 0;
    }
    return std::uint64_t{4} * static_cast<std::uint64_t>(screen.Width()) *
           static_cast<std::uint64_t>(screen.Height());
}

}  // namespace

std::size_t KeeperSectionSize(const ScreenRect& screen) {
    const std::uint64_t pixels = PixelBytes(screen);
    if (pixels == 0 || pixels > kLargestPixelBytes) {
        return 0;
    }
    return static_cast<std::size_t>(kKeeperHeaderSize + pixels);
}

KeeperHeader MakeKeeperHeader(const ScreenRect& screen, std::uint32_t tick) {
    KeeperHeader header;
    header.screen = screen;
    header.takenAtTick = tick;
    header.rowStride = static_cast<std::uint32_t>(screen.Width()) * 4;
    return header;
}

void WriteKeeperHeader(const KeeperHeader& header, std::uint8_t* out) {
    for (std::uint32_t i = 0; i < kKeeperHeaderSize; ++i) {
        out[i] = 0;
    }
    PutU32(out + 0, header.magic);
    PutU32(out + 4, header.version);
    PutU32(out + 8, header.headerSize);
    PutU32(out + kKeeperTakenOffset, header.taken);
    PutU32(out + 16, static_cast<std::uint32_t>(header.screen.left));
    PutU32(out + 20, static_cast<std::uint32_t>(header.screen.top));
    PutU32(out + 24, static_cast<std::uint32_t>(header.screen.Width()));
    PutU32(out + 28, static_cast<std::uint32_t>(header.screen.Height()));
    PutU32(out + 32, header.takenAtTick);
    PutU32(out + 36, header.pixelFormat);
    PutU32(out + 40, header.rowStride);
}

KeeperVerdict CheckKeeperSection(const std::uint8_t* bytes, std::size_t available,
                                 const KeeperSightNow& now, KeeperHeader* header) {
    if (!now.ownerIsUser) {
        return KeeperVerdict::kNotOurs;
    }
    if (bytes == nullptr || available < kKeeperHeaderSize) {
        return KeeperVerdict::kTruncated;
    }
    KeeperHeader read;
    read.magic = ReadU32(bytes);
    read.version = ReadU32(bytes + 4);
    read.headerSize = ReadU32(bytes + 8);
    read.taken = ReadU32(bytes + kKeeperTakenOffset);
    const std::int32_t left = ReadI32(bytes + 16);
    const std::int32_t top = ReadI32(bytes + 20);
    const std::int32_t width = ReadI32(bytes + 24);
    const std::int32_t height = ReadI32(bytes + 28);
    read.takenAtTick = ReadU32(bytes + 32);
    read.pixelFormat = ReadU32(bytes + 36);
    read.rowStride = ReadU32(bytes + 40);
    if (read.magic != kKeeperMagic || read.version != kKeeperVersion ||
        read.headerSize != kKeeperHeaderSize || read.pixelFormat != kKeeperPixelsBgrx32 ||
        width <= 0 || height <= 0 || width > 65536 || height > 65536 ||
        read.rowStride != static_cast<std::uint32_t>(width) * 4 ||
        std::uint64_t{read.rowStride} * static_cast<std::uint64_t>(height) > kLargestPixelBytes) {
        return KeeperVerdict::kMalformed;
    }
    // Built in 64 bits: a left near the largest int plus the width must not overflow.
    const std::int64_t right = std::int64_t{left} + width;
    const std::int64_t bottom = std::int64_t{top} + height;
    if (right > INT32_MAX || bottom > INT32_MAX) {
        return KeeperVerdict::kMalformed;
    }
    read.screen = {left, top, static_cast<int>(right), static_cast<int>(bottom)};
    if (available - kKeeperHeaderSize <
        std::uint64_t{read.rowStride} * static_cast<std::uint64_t>(height)) {
        return KeeperVerdict::kTruncated;
    }
    if (header != nullptr) {
        *header = read;
    }
    if (read.taken != 0) {
        return KeeperVerdict::kAlreadyTaken;
    }
    if (!(read.screen == now.virtualScreen)) {
        return KeeperVerdict::kOtherLayout;
    }
    // Differences of wrapping ticks: "after" is a small forward step, whatever the wrap.
    if (static_cast<std::int32_t>(read.takenAtTick - now.lastInputTick) < 0) {
        return KeeperVerdict::kBeforeInput;
    }
    if (now.nowTick - read.takenAtTick > kKeeperHoldMilliseconds) {
        return KeeperVerdict::kTooOld;
    }
    return KeeperVerdict::kUsable;
}

RgbPicture KeeperPicture(const std::uint8_t* bytes, const KeeperHeader& header) {
    RgbPicture picture;
    picture.width = header.screen.Width();
    picture.height = header.screen.Height();
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
    std::uint8_t* out = picture.pixels.data();
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* row =
            bytes + kKeeperHeaderSize + static_cast<std::size_t>(y) * header.rowStride;
        for (int x = 0; x < picture.width; ++x, out += 3) {
            out[0] = row[x * 4 + 2];
            out[1] = row[x * 4 + 1];
            out[2] = row[x * 4 + 0];
        }
    }
    return picture;
}

}  // namespace altostrat
