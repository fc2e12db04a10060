#include "renderer/win32/picture_folder.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/agreement.h"
#include "common/win32/screen_reading.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"
#include "flight/bitmap/run_picture.h"

namespace altostrat {
namespace {

// The most a picture file may hold: a 32-bit picture of 8192 x 8192 and its headers.
constexpr std::uint64_t kMaxPictureBytes = (std::uint64_t{1} << 28) + 4096;

PictureLimit ScreenLimit() {
    const ScreenRect screen = ReadScreenLayout().virtualScreen;
    PictureLimit limit{std::max(screen.Width(), kLeastPictureLimit),
                       std::max(screen.Height(), kLeastPictureLimit)};
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsW(nullptr, ENUM_REGISTRY_SETTINGS, &mode)) {
        limit.width = std::max(limit.width, static_cast<std::int32_t>(mode.dmPelsWidth));
        limit.height = std::max(limit.height, static_cast<std::int32_t>(mode.dmPelsHeight));
    }
    return limit;
}

// PATH opened as itself, never through a link in its place; null when it cannot be.
HANDLE OpenOwnName(const std::string& path, DWORD access) {
    HANDLE handle = CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

bool IsLink(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    return !GetFileInformationByHandle(handle, &info) ||
           (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

enum class FolderFound { kNone, kOwn, kOthers };

FolderFound AgreedFolder() {
    HANDLE folder = OpenOwnName(kCaptureFolder, READ_CONTROL | FILE_READ_ATTRIBUTES);
    if (folder == nullptr) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? FolderFound::kNone
                   : FolderFound::kOthers;
    }
    const bool own = !IsLink(folder) && OwnedByThisUser(folder, SE_FILE_OBJECT);
    CloseHandle(folder);
    return own ? FolderFound::kOwn : FolderFound::kOthers;
}

// The whole file at PATH read through one handle: not a link, at most kMaxPictureBytes, and
// with OWN_ONLY this user's. Empty when any of that fails.
std::vector<std::uint8_t> ReadPictureFile(const std::string& path, bool ownOnly) {
    std::vector<std::uint8_t> bytes;
    HANDLE file = OpenOwnName(path, GENERIC_READ | READ_CONTROL);
    if (file == nullptr) {
        return bytes;
    }
    LARGE_INTEGER size{};
    if (!IsLink(file) && (!ownOnly || OwnedByThisUser(file, SE_FILE_OBJECT)) &&
        GetFileSizeEx(file, &size) && size.QuadPart > 0 &&
        static_cast<std::uint64_t>(size.QuadPart) <= kMaxPictureBytes) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
            read != bytes.size()) {
            bytes.clear();
        }
    }
    CloseHandle(file);
    return bytes;
}

// The pictures of FOLDER (ending in its separator), each checked before it is decoded; one that
// cannot be opened is missing without a word, as the capture files always were, one that fails
// the check is told of through REPORT as a format the reader does not know.
PictureSource CheckedPictures(const std::string& folder, DibErrorReport report, bool ownOnly) {
    const PictureLimit limit = ScreenLimit();
    return [folder, report, ownOnly, limit](CapturePicture picture) -> std::unique_ptr<RgbImage> {
        const std::vector<std::uint8_t> bytes =
            ReadPictureFile(CapturePicturePath(folder, picture), ownOnly);
        if (bytes.empty()) {
            return nullptr;
        }
        if (CheckRunPicture(bytes.data(), bytes.size(), limit) != RunPictureVerdict::kAccepted) {
            if (report) {
                report(kDibUnknownFormat);
            }
            return nullptr;
        }
        return DecodeDib(bytes.data(), bytes.size(), report);
    };
}

}  // namespace

void UsePictureFolder(RendererState& state, ScenePlatform& platform) {
    const std::string& folder = state.options.pictureFolder;
    state.captureFolder = (folder.empty() ? std::string(kCaptureFolder) : folder) + "\\";
    state.flyWithoutPictures = !folder.empty();
    if (folder.empty()) {
        const FolderFound found = AgreedFolder();
        if (found == FolderFound::kOthers) {
            state.flyWithoutPictures = true;
            platform.showError = nullptr;
            platform.pictures = [](CapturePicture) { return std::unique_ptr<RgbImage>(); };
            return;
        }
        platform.pictures = CheckedPictures(state.captureFolder, platform.showError, true);
        return;
    }
    platform.showError = nullptr;
    platform.pictures = CheckedPictures(state.captureFolder, nullptr, false);
    const std::wstring desktop =
        Wide(CapturePicturePath(state.captureFolder, CapturePicture::kDesktop));
    platform.picturesLoaded = [desktop] { DeleteFileW(desktop.c_str()); };
}

}  // namespace altostrat
