// GNOME's wallpaper settings as "gsettings get" prints them (GNOME 41 to 47, Debian's and
// Ubuntu's defaults, pictures of users' own) against the picture, the laying and the colour the
// flight's ground takes from them.
#include <gtest/gtest.h>

#include <string>

#include "linux_program/gnome/wallpaper/wallpaper_settings.h"

namespace altostrat {
namespace {

struct Row {
    WallpaperTexts texts;
    std::string path;
    std::string refusal;
    PictureFit fit;
    RgbColour colour;
};

TEST(WallpaperSettings, ValuesAsGnomeWritesThemGiveThePictureItsLayingAndColour) {
    const std::string light = "'file:///usr/share/backgrounds/gnome/adwaita-l.webp'";
    const std::string dark = "'file:///usr/share/backgrounds/gnome/adwaita-d.webp'";
    const RgbColour blue{0x02, 0x3c, 0x88};
    const Row rows[] = {
        // GNOME 43's defaults, light and dark; GNOME 41 has neither the dark picture nor the
        // scheme; a dark scheme with no dark picture named shows the light one.
        {{light, dark, "'zoom'", "'#023c88'", "'default'"},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kFill,
         blue},
        {{light, dark, "'zoom'", "'#023c88'", "'prefer-dark'"},
         "/usr/share/backgrounds/gnome/adwaita-d.webp",
         "",
         PictureFit::kFill,
         blue},
        {{light, "", "'zoom'", "'#023c88'", ""},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kFill,
         blue},
        {{light, "''", "'zoom'", "'#023c88'", "'prefer-dark'"},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kFill,
         blue},
        {{light, dark, "'zoom'", "'#023c88'", "'prefer-light'"},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kFill,
         blue},
        // Each laying GNOME offers; 'none' shows the colour even with a picture named.
        {{light, "", "'wallpaper'", "'#ffffff'", ""},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kTile,
         {255, 255, 255}},
        {{light, "", "'centered'", "'#000000'", ""},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kCentre,
         {0, 0, 0}},
        {{light, "", "'scaled'", "'#3465a4'", ""},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kFit,
         {0x34, 0x65, 0xa4}},
        {{light, "", "'stretched'", "'#023c88'", ""},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kStretch,
         blue},
        {{light, "", "'spanned'", "'#023c88'", ""},
         "/usr/share/backgrounds/gnome/adwaita-l.webp",
         "",
         PictureFit::kSpan,
         blue},
        {{light, "", "'none'", "'#2c001e'", ""}, "", "", PictureFit::kFill, {0x2c, 0x00, 0x1e}},
        // Pictures of users' own as GNOME's Settings writes them: letters percent-encoded, a
        // quote making GVariant print the text in double quotes, a host named localhost.
        {{"'file:///home/taro/%E5%A3%81%E7%B4%99/Mt%20Fuji.jpg'", "", "'zoom'", "'#023c88'", ""},
         "/home/taro/\xE5\xA3\x81\xE7\xB4\x99/Mt Fuji.jpg",
         "",
         PictureFit::kFill,
         blue},
        {{"\"file:///home/taro/Taro's%20garden.png\"", "", "'zoom'", "'#023c88'", ""},
         "/home/taro/Taro's garden.png",
         "",
         PictureFit::kFill,
         blue},
        {{"'file://localhost/srv/walls/sea.png'", "", "'zoom'", "'#fff'", ""},
         "/srv/walls/sea.png",
         "",
         PictureFit::kFill,
         {255, 255, 255}},
        // Refused, the colour shown instead: a slideshow, a picture elsewhere, broken escapes.
        {{"'file:///usr/share/backgrounds/gnome/adwaita-timed.xml'", "", "'zoom'", "'#023c88'", ""},
         "",
         "/usr/share/backgrounds/gnome/adwaita-timed.xml: a slideshow, not one picture",
         PictureFit::kFill,
         blue},
        {{"'https://example.org/wall.jpg'", "", "'zoom'", "'#023c88'", ""},
         "",
         "https://example.org/wall.jpg: not a local file",
         PictureFit::kFill,
         blue},
        {{"'file://fileserver/walls/sea.png'", "", "'zoom'", "'#023c88'", ""},
         "",
         "file://fileserver/walls/sea.png: not a local file",
         PictureFit::kFill,
         blue},
        {{"'file:///home/taro/a%zzb.png'", "", "'zoom'", "'#023c88'", ""},
         "",
         "file:///home/taro/a%zzb.png: a broken file URI",
         PictureFit::kFill,
         blue},
        {{"'file:///home/taro/a.png%00.jpg'", "", "'zoom'", "'#023c88'", ""},
         "",
         "file:///home/taro/a.png%00.jpg: a broken file URI",
         PictureFit::kFill,
         blue},
        // No picture at all, and a colour that is no #rrggbb: black.
        {{"''", "''", "'zoom'", "'blue'", "'default'"}, "", "", PictureFit::kFill, {0, 0, 0}},
        {{"''", "''", "'zoom'", "'#023c8'", "'default'"}, "", "", PictureFit::kFill, {0, 0, 0}},
    };
    for (const Row& row : rows) {
        const Wallpaper wallpaper = ReadWallpaper(row.texts);
        const std::string seen = row.texts.pictureUri + " " + row.texts.pictureOptions;
        EXPECT_EQ(wallpaper.path, row.path) << seen;
        EXPECT_EQ(wallpaper.refusal, row.refusal) << seen;
        EXPECT_EQ(wallpaper.fit, row.fit) << seen;
        EXPECT_EQ(wallpaper.colour, row.colour) << seen;
    }
}

}  // namespace
}  // namespace altostrat
