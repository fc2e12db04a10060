#include "linux_program/run/capture_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "common/agreement.h"
#include "common/bmp_writer.h"
#include "common/file_bytes.h"
#include "linux_program/run/embedded_pictures.h"

namespace altostrat {
namespace {

bool WriteBytes(const std::string& path, const unsigned char* bytes, std::size_t size) {
    return ReplaceFileContents(path, std::string_view(reinterpret_cast<const char*>(bytes), size));
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
    const bool sky =
        WriteBytes(CapturePicturePath(folder, CapturePicture::kSky), kSkyBmp, kSkyBmpSize);
    const bool glow =
        WriteBytes(CapturePicturePath(folder, CapturePicture::kGlow), kGlowBmp, kGlowBmpSize);
    return sky && glow;
}

bool WriteDesktopPicture(const std::string& folder, const DesktopPicture& picture) {
    const std::string path = CapturePicturePath(folder, CapturePicture::kDesktop);
    if (picture.rows.empty()) {
        return WriteBytes(path, kGroundBmp, kGroundBmpSize);
    }
    Bgr24View view{picture.width, picture.height, picture.rows.data(),
                   static_cast<std::size_t>(picture.width) * 3};
    return WriteBmp24(path, view);
}

}  // namespace altostrat
