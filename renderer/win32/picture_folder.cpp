#include "renderer/win32/picture_folder.h"

#include <windows.h>

#include <string>

#include "common/agreement.h"
#include "common/win32/wide_text.h"

namespace altostrat {

void UsePictureFolder(RendererState& state, ScenePlatform& platform) {
    const std::string& folder = state.options.pictureFolder;
    state.captureFolder = (folder.empty() ? std::string(kCaptureFolder) : folder) + "\\";
    state.flyWithoutPictures = !folder.empty();
    if (folder.empty()) {
        return;
    }
    platform.showError = nullptr;
    const std::wstring desktop =
        Wide(CapturePicturePath(state.captureFolder, CapturePicture::kDesktop));
    platform.picturesLoaded = [desktop] { DeleteFileW(desktop.c_str()); };
}

}  // namespace altostrat
