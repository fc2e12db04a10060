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
    std::vector<std::uint8_t> rows;
    if (!ConvertXPixels(pixels, rows)) {
        return false;
    }
    Bgr24View view{pixels.width, pixels.height, rows.data(),
                   static_cast<std::size_t>(pixels.width) * 3};
    return WriteBmp24(PicturePath(folder, CapturePicture::kDesktop), view);
}

}  // namespace altostrat
