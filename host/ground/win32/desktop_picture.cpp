#include "host/ground/win32/desktop_picture.h"

#include <algorithm>
#include <optional>
#include <random>
#include <vector>

#include "common/picture_layout.h"
#include "common/win32/registry_text.h"
#include "common/win32/screen_reading.h"
#include "common/win32/session_lock.h"
#include "common/win32/wide_text.h"
#include "host/ground/picture_names.h"
#include "host/ground/plain_picture.h"
#include "host/ground/wallpaper_style.h"
#include "host/ground/win32/ground_report.h"
#include "host/ground/win32/keeper_photograph.h"
#include "host/ground/win32/picture_decoder.h"
#include "host/ground/win32/screen_capture.h"
#include "host/resource_ids.h"

namespace altostrat {
namespace {

// How many pictures of a folder are tried before the folder counts as holding none.
constexpr std::size_t kFolderPicturesTried = 8;

// The size a picture laid by FIT needs to be decoded at for these monitors.
PictureSize NeedFor(const ScreenArea& area, PictureFit fit) {
    if (fit == PictureFit::kSpan) {
        const ScreenRect all = UnionOfMonitors(area.monitors);
        return PictureSize{all.Width(), all.Height()};
    }
    PictureSize need;
    for (const ScreenRect& monitor : area.monitors) {
        need.width = std::max(need.width, monitor.Width());
        need.height = std::max(need.height, monitor.Height());
    }
    return need;
}

// The part of PICTURE (covering FROM) that lies on TO; nothing when TO is not inside FROM.
std::optional<RgbPicture> Cut(const RgbPicture& picture, const ScreenRect& from,
                              const ScreenRect& to) {
    if (to.left < from.left || to.top < from.top || to.right > from.right ||
        to.bottom > from.bottom || to.Width() <= 0 || to.Height() <= 0 ||
        picture.width != from.Width() || picture.height != from.Height()) {
        return std::nullopt;
    }
    RgbPicture part{to.Width(), to.Height(), {}};
    part.pixels.reserve(static_cast<std::size_t>(part.width) * part.height * 3);
    for (int y = to.top; y < to.bottom; ++y) {
        const auto row =
            picture.pixels.begin() +
            ((static_cast<std::ptrdiff_t>(y - from.top) * picture.width) + (to.left - from.left)) *
                3;
        part.pixels.insert(part.pixels.end(), row,
                           row + static_cast<std::ptrdiff_t>(part.width) * 3);
    }
    return part;
}

// The plain files of FOLDER named as pictures, in a new random order at each run.
std::vector<std::string> PicturesInFolder(const std::wstring& folder) {
    std::vector<std::string> pictures;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return pictures;
    }
    do {
        const std::string name = Narrow(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsPictureFileName(name)) {
            pictures.push_back(Narrow(folder) + "\\" + name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::mt19937 order(static_cast<std::uint32_t>(GetTickCount64()) ^ GetCurrentProcessId());
    std::shuffle(pictures.begin(), pictures.end(), order);
    return pictures;
}

class Win32DesktopGatherer final : public DesktopGatherer {
  public:
    explicit Win32DesktopGatherer(const DesktopRequest& request)
        : request_(request), area_(ScreensToCover(request.virtualScreen)) {}

    std::optional<RgbPicture> picture;

    SourceAnswer ReadOwnPicture() override {
        std::wstring path = Wide(request_.ownPicturePath);
        while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) {
            path.pop_back();
        }
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return {SourceMiss::kMissing};
        }
        std::vector<std::string> candidates;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            candidates = PicturesInFolder(path);
            if (candidates.size() > kFolderPicturesTried) {
                candidates.resize(kFolderPicturesTried);
            }
        } else {
            candidates.push_back(Narrow(path));
        }
        for (const std::string& candidate : candidates) {
            if (Lay(DecodePictureFile(candidate, NeedFor(area_, PictureFit::kFill),
                                      PictureFit::kFill),
                    PictureFit::kFill, RgbColour{0, 0, 0})) {
                return {};
            }
        }
        return {SourceMiss::kUnreadable};
    }

    bool SessionLocked() override { return ReadSessionLock() == SessionLock::kLocked; }

    SourceAnswer Photograph() override {
        if (!UsersDesktopShown()) {
            return {SourceMiss::kOtherDesktop};
        }
        std::optional<RgbPicture> shot = PhotographScreen(area_.canvas);
        if (!shot) {
            return {SourceMiss::kCopyFailed};
        }
        if (IsOneColour(*shot)) {
            return {SourceMiss::kOneColour};
        }
        picture = std::move(shot);
        return {};
    }

    SourceAnswer TakeKeeperPhotograph() override {
        const ScreenLayout layout = ReadScreenLayout();
        const ScreenRect& all = layout.virtualScreen;
        std::optional<KeeperVerdict> verdict;
        std::optional<RgbPicture> held = altostrat::TakeKeeperPhotograph(layout, &verdict);
        if (!held) {
            return verdict ? SourceAnswer{SourceMiss::kKeeperRefused, *verdict}
                           : SourceAnswer{SourceMiss::kNoKeeperPhotograph};
        }
        picture = all == area_.canvas ? std::move(held) : Cut(*held, all, area_.canvas);
        if (!picture) {
            return {SourceMiss::kKeeperRefused, KeeperVerdict::kOtherLayout};
        }
        return {};
    }

    SourceAnswer ReadWallpaper() override {
        wchar_t file[MAX_PATH + 1] = {};
        if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, file, 0) || file[0] == 0) {
            return {SourceMiss::kNoWallpaper};
        }
        const PictureFit fit =
            WallpaperFit(Narrow(UserRegistryText(kDesktopSettingsKey, L"WallpaperStyle")),
                         Narrow(UserRegistryText(kDesktopSettingsKey, L"TileWallpaper")));
        const COLORREF background = GetSysColor(COLOR_DESKTOP);
        if (!Lay(DecodePictureFile(Narrow(file), NeedFor(area_, fit), fit), fit,
                 RgbColour{GetRValue(background), GetGValue(background), GetBValue(background)})) {
            return {SourceMiss::kUnreadable};
        }
        return {};
    }

  private:
    bool Lay(const std::optional<RgbPicture>& decoded, PictureFit fit, RgbColour background) {
        if (!decoded) {
            return false;
        }
        picture = LayPicture(*decoded, area_.canvas, area_.monitors, fit, background);
        return true;
    }

    const DesktopRequest& request_;
    ScreenArea area_;
};

}  // namespace

bool WriteDesktopPictureFile(HINSTANCE module, const DesktopRequest& request,
                             const std::string& path) {
    Win32DesktopGatherer gatherer(request);
    const GroundAccount account = GatherDesktopPicture(request.ownPictureChosen, gatherer);
    WriteGroundReport(GroundReport(
        account, request.language));  // a run whose account is not written flies all the same
    if (account.source == DesktopSource::kGround || !gatherer.picture) {
        return WriteBitmapResourceToFile(module, ALTOSTRAT_IDB_GROUND, path);
    }
    return WritePictureToFile(*gatherer.picture, path);
}

}  // namespace altostrat
