// What the flight on X goes over, for each kind of run: a user's picture, xscreensaver's, GNOME's
// wallpaper, the desktop's photograph or the own ground; and XDG_CURRENT_DESKTOP's values as the
// sessions of Debian, Ubuntu, Fedora and others set them.
#include <gtest/gtest.h>

#include "linux_program/run/display_path.h"
#include "linux_program/x11/ground_choice.h"

namespace altostrat {
namespace {

TEST(GroundChoice, ThePictureWinsThenXscreensaverThenGnomesWallpaperThenThePhotograph) {
    struct Row {
        GroundFacts facts;  // picture, hack, GNOME, photograph possible
        GroundSource ground;
    };
    const Row rows[] = {
        {{true, false, true, false}, GroundSource::kOwnPicture},
        {{true, true, false, true}, GroundSource::kOwnPicture},
        {{true, false, false, true}, GroundSource::kOwnPicture},
        {{false, true, false, true}, GroundSource::kXscreensaverPicture},
        {{false, true, true, false}, GroundSource::kXscreensaverPicture},
        // GNOME on Wayland (XWayland holds no picture), and GNOME's X11 session.
        {{false, false, true, false}, GroundSource::kWallpaper},
        {{false, false, true, true}, GroundSource::kWallpaper},
        // Xfce or MATE on X11; sway or KDE through XWayland.
        {{false, false, false, true}, GroundSource::kPhotograph},
        {{false, false, false, false}, GroundSource::kOwnGround},
    };
    for (const Row& row : rows) {
        const GroundFacts& f = row.facts;
        EXPECT_EQ(ChooseGround(f), row.ground)
            << f.pictureOption << f.hack << f.gnomeSession << f.photographPossible;
    }
}

TEST(GroundChoice, GnomeIsOneOfTheDesktopsNamed) {
    for (const char* gnome : {"GNOME", "ubuntu:GNOME", "GNOME-Classic:GNOME",
                              "GNOME-Flashback:GNOME", "Pop:GNOME", "GNOME:other"}) {
        EXPECT_TRUE(DesktopSaysGnome(gnome)) << gnome;
    }
    for (const char* other : {"", "KDE", "XFCE", "sway", "MATE", "X-Cinnamon", "GNOME-Classic",
                              "Budgie:GNOMEish", "gnome", ":"}) {
        EXPECT_FALSE(DesktopSaysGnome(other)) << other;
    }
}

}  // namespace
}  // namespace altostrat
