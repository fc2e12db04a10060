#pragma once
// How Windows lays the user's wallpaper, read from the two values under
// HKCU\Control Panel\Desktop: WallpaperStyle "0" centre, "2" stretch, "6" fit, "10" fill,
// "22" span; TileWallpaper "1" tiles, whatever the style. A missing value reads as "0", as
// Windows reads it; a style Windows does not know is filled, its own default for a new wallpaper.

#include <string_view>

#include "common/picture_layout.h"

namespace altostrat {

PictureFit WallpaperFit(std::string_view wallpaperStyle, std::string_view tileWallpaper);

}  // namespace altostrat
