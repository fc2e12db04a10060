#include "host/ground/wallpaper_style.h"

namespace altostrat {
namespace {

// The registry keeps both numbers as text; surrounding blanks are Windows' to ignore.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text.empty() ? std::string_view("0") : text;
}

}  // namespace

PictureFit WallpaperFit(std::string_view wallpaperStyle, std::string_view tileWallpaper) {
    if (Trimmed(tileWallpaper) == "1") {
        return PictureFit::kTile;
    }
    const std::string_view style = Trimmed(wallpaperStyle);
    if (style == "0") {
        return PictureFit::kCentre;
    }
    if (style == "2") {
        return PictureFit::kStretch;
    }
    if (style == "6") {
        return PictureFit::kFit;
    }
    if (style == "22") {
        return PictureFit::kSpan;
    }
    return PictureFit::kFill;
}

}  // namespace altostrat
