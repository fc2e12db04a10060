#pragma once
// GNOME's wallpaper laid as the flight's ground: the picture decoded with the same limits as a
// picture of the user's own, laid over each monitor as its option says (one copy over all for
// 'spanned') on the wallpaper's colour, and kept in memory only. A picture that cannot be had
// leaves the colour alone, and a note says why.

#include <string>
#include <vector>

#include "common/picture_layout.h"
#include "common/screen_rect.h"
#include "linux_program/gnome/wallpaper/wallpaper_settings.h"
#include "linux_program/picture/picture_decode.h"

namespace altostrat {

struct WallpaperGround {
    RgbPicture laid;   // CANVAS's size, top row first
    std::string note;  // "FILE: why" when a picture was named but not laid; else empty
};

// MONITORS are in CANVAS's coordinates; none, and the canvas is one monitor. STOP (may be null)
// ends a long decode, and the colour is laid.
WallpaperGround LayWallpaper(const Wallpaper& wallpaper, const ScreenRect& canvas,
                             std::vector<ScreenRect> monitors, DecodeStop stop = nullptr);

}  // namespace altostrat
