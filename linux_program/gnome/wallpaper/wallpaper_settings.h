#pragma once
// What GNOME's settings say the wallpaper is, turned into what the flight lays as its ground.
// The values come as GVariant text, as "gsettings get" prints them and GSettings' keyfile keeps
// them ('file:///usr/share/backgrounds/gnome/adwaita-l.webp', 'zoom', '#023c88'), so the table
// of real values GNOME writes is the test.
//
// The picture is org.gnome.desktop.background's picture-uri, or picture-uri-dark when
// org.gnome.desktop.interface's color-scheme is 'prefer-dark' (picture-uri again when no dark
// one is named: a GNOME before 42 has none). Only a local file is taken: a file:// URI, with no
// host or "localhost", percent-decoded; any other scheme (a picture on a web server, say) is
// refused, as nothing is fetched. A slideshow (an .xml file of GNOME's naming pictures by the
// time of day) is refused too: the flight shows one ground for the whole run. picture-options
// lays it: 'zoom' (GNOME's default) fills each monitor and crops, 'scaled' fits inside each,
// 'centered' and 'wallpaper' (tiled) keep its own size, 'stretched' stretches it over each, and
// 'spanned' fills all the monitors as one; 'none' shows no picture. primary-color (#rrggbb, or
// #rgb) is shown around and where there is no picture. GNOME's shading-type (a gradient to
// secondary-color) is not followed: the primary colour alone fills the ground.

#include <string>

#include "common/picture_layout.h"

namespace altostrat {

// The settings' values as GVariant text; an empty text where the key does not exist.
struct WallpaperTexts {
    std::string pictureUri;
    std::string pictureUriDark;
    std::string pictureOptions;
    std::string primaryColor;
    std::string colorScheme;  // org.gnome.desktop.interface
};

struct Wallpaper {
    std::string path;     // the picture file to lay; empty: the colour alone
    std::string refusal;  // why the picture named is not laid, in a few words; empty: none was
    PictureFit fit = PictureFit::kFill;
    RgbColour colour{};
};

Wallpaper ReadWallpaper(const WallpaperTexts& texts);

}  // namespace altostrat
