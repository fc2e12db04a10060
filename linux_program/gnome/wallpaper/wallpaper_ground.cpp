#include "linux_program/gnome/wallpaper/wallpaper_ground.h"

#include <utility>

#include "linux_program/picture/own_picture.h"

namespace altostrat {

WallpaperGround LayWallpaper(const Wallpaper& wallpaper, const ScreenRect& canvas,
                             std::vector<ScreenRect> monitors, DecodeStop stop) {
    WallpaperGround ground;
    if (monitors.empty()) {
        monitors.push_back(canvas);
    }
    PictureDecode decoded;
    if (!wallpaper.refusal.empty()) {
        ground.note = wallpaper.refusal;
    } else if (!wallpaper.path.empty()) {
        decoded = DecodePictureFile(wallpaper.path, PictureSize{canvas.Width(), canvas.Height()},
                                    stop, wallpaper.fit);
        if (!decoded.error.empty()) {
            ground.note = wallpaper.path + ": " + decoded.error;
        }
    }
    ground.laid = LayPicture(decoded.picture, canvas, monitors, wallpaper.fit, wallpaper.colour);
    return ground;
}

}  // namespace altostrat
