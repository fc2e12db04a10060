#include "renderer/x11/capture_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "common/agreement.h"
#include "common/bmp_writer.h"
#include "common/file_bytes.h"
#include "renderer/x11/embedded_pictures.h"

namespace altostrat {
namespace {

bool WriteBytes(const std::string& path, const unsigned char* bytes, std::size_t size) {
    return ReplaceFileContents(path, std::string_view(reinterpret_cast<const char*>(bytes), size));
}

std::string PicturePath(const std::string& folder, CapturePicture picture) {
    return folder + CapturePictureName(picture);
}

// A colour channel of an X pixel: its mask (up to 32 bits), worked out once per picture.
struct ChannelMask {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
};

ChannelMask MaskOf(std::uint32_t mask) {
    ChannelMask channel{mask, 0, 0};
    if (mask != 0) {
        while (((mask >> channel.shift) & 1u) == 0) {
            ++channel.shift;
        }
        channel.max = mask >> channel.shift;
    }
    return channel;
}

// Scales the channel to 0..255.
std::uint8_t Channel(std::uint32_t pixel, const ChannelMask& channel) {
    if (channel.mask == 0) {
        return 0;
    }
    const std::uint32_t value = (pixel & channel.mask) >> channel.shift;
    return static_cast<std::uint8_t>((value * 255u + channel.max / 2) / channel.max);
}

std::uint32_t ReadPixel(const XPixels& pixels, int x, int y) {
    const int bytes = pixels.bitsPerPixel / 8;
    const std::uint8_t* p = pixels.data + static_cast<std::size_t>(y) * pixels.bytesPerLine +
                            static_cast<std::size_t>(x) * bytes;
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int index = pixels.msbFirst ? i : bytes - 1 - i;
        value = (value << 8) | p[index];
    }
    return value;
}

}  // namespace

std::string MakeCaptureFolder() {
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    std::string base = (runtime != nullptr && runtime[0] == '/') ? runtime : "/tmp";
    std::string pattern = base + "/altostrat-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        return std::string();
    }
    return std::string(buffer.data()) + "/";
}

void RemoveCaptureFolder(const std::string& folder) {
    if (folder.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

bool WriteBuiltInPictures(const std::string& folder) {
    const bool sky = WriteBytes(PicturePath(folder, CapturePicture::kSky), kSkyBmp, kSkyBmpSize);
    const bool glow =
        WriteBytes(PicturePath(folder, CapturePicture::kGlow), kGlowBmp, kGlowBmpSize);
    return sky && glow;
}

bool WritePlainDesktopPicture(const std::string& folder) {
    constexpr int kSize = 256;
    constexpr int kField = 32;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(kSize) * kSize * 3);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool light = ((x / kField) + (y / kField)) % 2 == 0;
            std::uint8_t* p = &rows[(static_cast<std::size_t>(y) * kSize + x) * 3];
            p[0] = light ? 96 : 64;    // blue
            p[1] = light ? 150 : 118;  // green
            p[2] = light ? 120 : 92;   // red
        }
    }
    Bgr24View view{kSize, kSize, rows.data(), static_cast<std::size_t>(kSize) * 3};
    return WriteBmp24(PicturePath(folder, CapturePicture::kDesktop), view);
}

bool WriteDesktopPicture(const std::string& folder, const XPixels& pixels) {
    if (pixels.width <= 0 || pixels.height <= 0 || pixels.data == nullptr ||
        (pixels.bitsPerPixel != 24 && pixels.bitsPerPixel != 32) ||
        pixels.bytesPerLine < static_cast<std::size_t>(pixels.width) * (pixels.bitsPerPixel / 8)) {
        return false;
    }
    const std::size_t stride = static_cast<std::size_t>(pixels.width) * 3;
    std::vector<std::uint8_t> rows(stride * pixels.height);
    const ChannelMask red = MaskOf(pixels.redMask);
    const ChannelMask green = MaskOf(pixels.greenMask);
    const ChannelMask blue = MaskOf(pixels.blueMask);
    for (int y = 0; y < pixels.height; ++y) {
        // X gives the top row first; a bitmap file keeps the bottom row first.
        std::uint8_t* out = &rows[stride * (pixels.height - 1 - y)];
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint32_t pixel = ReadPixel(pixels, x, y);
            out[x * 3 + 0] = Channel(pixel, blue);
            out[x * 3 + 1] = Channel(pixel, green);
            out[x * 3 + 2] = Channel(pixel, red);
        }
    }
    Bgr24View view{pixels.width, pixels.height, rows.data(), stride};
    return WriteBmp24(PicturePath(folder, CapturePicture::kDesktop), view);
}

}  // namespace altostrat
