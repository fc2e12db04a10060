#include "common/keeper_photograph.h"

#include <algorithm>
#include <tuple>

#include "common/bmp_writer.h"
#include "common/little_endian.h"

namespace altostrat {
namespace {

// Larger than any screen a photograph is taken of; a header claiming more is not one the keeper
// wrote. An 8K monitor's photograph is 7680 x 4320 pixels of 3 bytes, about 95 MiB: ten of them.
constexpr std::uint64_t kLargestPixelBytes = std::uint64_t{1} << 30;
static_assert(kLargestPixelBytes / (std::uint64_t{7680} * 3 * 4320) == 10,
              "the limit holds ten 8K monitors");

constexpr std::size_t kMonitorCountOffset = 44;
constexpr std::size_t kMonitorDigestOffset = 48;

void PutU32(std::uint8_t* p, std::uint32_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
    p[2] = static_cast<std::uint8_t>(value >> 16);
    p[3] = static_cast<std::uint8_t>(value >> 24);
}

std::uint64_t PixelBytes(const ScreenRect& screen) {
    if (screen.Width() <= 0 || screen.Height() <= 0 || screen.Width() > 65536) {
        return 0;
    }
    return std::uint64_t{BmpRowBytes(screen.Width(), 24)} *
           static_cast<std::uint64_t>(screen.Height());
}

// FNV-1a over 32-bit little-endian words.
void Mix(std::uint64_t& digest, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) {
        digest ^= (word >> shift) & 0xFFu;
        digest *= 0x100000001B3u;
    }
}

}  // namespace

std::uint64_t MonitorDigest(const std::vector<MonitorPlace>& monitors) {
    std::vector<std::tuple<int, int, int, int, std::uint32_t>> sorted;
    for (const MonitorPlace& m : monitors) {
        sorted.emplace_back(m.rect.top, m.rect.left, m.rect.bottom, m.rect.right, m.dpi);
    }
    std::sort(sorted.begin(), sorted.end());
    std::uint64_t digest = 0xCBF29CE484222325u;
    Mix(digest, static_cast<std::uint32_t>(sorted.size()));
    for (const auto& [top, left, bottom, right, dpi] : sorted) {
        for (const int edge : {left, top, right, bottom}) {
            Mix(digest, static_cast<std::uint32_t>(edge));
        }
        Mix(digest, dpi);
    }
    return digest;
}

std::size_t KeeperSectionSize(const ScreenRect& screen) {
    const std::uint64_t pixels = PixelBytes(screen);
    if (pixels == 0 || pixels > kLargestPixelBytes) {
        return 0;
    }
    return static_cast<std::size_t>(kKeeperHeaderSize + pixels);
}

KeeperHeader MakeKeeperHeader(const ScreenLayout& layout, std::uint32_t tick) {
    KeeperHeader header;
    header.screen = layout.virtualScreen;
    header.takenAtTick = tick;
    header.rowStride = static_cast<std::uint32_t>(BmpRowBytes(layout.virtualScreen.Width(), 24));
    header.monitorCount = static_cast<std::uint32_t>(layout.monitors.size());
    header.monitorDigest = MonitorDigest(layout.monitors);
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
    PutU32(out + kMonitorCountOffset, header.monitorCount);
    PutU32(out + kMonitorDigestOffset, static_cast<std::uint32_t>(header.monitorDigest));
    PutU32(out + kMonitorDigestOffset + 4, static_cast<std::uint32_t>(header.monitorDigest >> 32));
}

KeeperVerdict CheckKeeperSection(const std::uint8_t* bytes, std::size_t available,
                                 const KeeperSightNow& now, KeeperHeader* header) {
    if (!KeeperSectionTrusted(now.trust)) {
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
    read.monitorCount = ReadU32(bytes + kMonitorCountOffset);
    read.monitorDigest = ReadU32(bytes + kMonitorDigestOffset) |
                         std::uint64_t{ReadU32(bytes + kMonitorDigestOffset + 4)} << 32;
    if (read.magic != kKeeperMagic || read.version != kKeeperVersion ||
        read.headerSize != kKeeperHeaderSize || read.pixelFormat != kKeeperPixelsBgr24 ||
        width <= 0 || height <= 0 || width > 65536 || height > 65536 ||
        read.rowStride != BmpRowBytes(width, 24) ||
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
    if (!(read.screen == now.layout.virtualScreen) ||
        read.monitorCount != now.layout.monitors.size() ||
        read.monitorDigest != MonitorDigest(now.layout.monitors)) {
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

SessionLock SessionLockFromFlags(std::int32_t sessionFlags, bool reversed) {
    if (sessionFlags != 0 && sessionFlags != 1) {
        return SessionLock::kUnknown;
    }
    return (sessionFlags == 0) != reversed ? SessionLock::kLocked : SessionLock::kUnlocked;
}

BgrRows KeeperRows(const std::uint8_t* bytes, const KeeperHeader& header) {
    return {header.screen.Width(), header.screen.Height(), bytes + kKeeperHeaderSize,
            header.rowStride};
}

}  // namespace altostrat
