#pragma once
// What the flight on X goes over. A picture the user names ("--picture") always wins. As an
// xscreensaver hack, the picture is xscreensaver's to choose: its image helper gives the desktop
// or one of the user's pictures by xscreensaver's own settings. Standalone on GNOME the ground is
// the user's wallpaper: GNOME lets no program photograph its desktop without asking the user each
// time, and the wallpaper is what the user sees of it; it is taken on GNOME's X11 session too,
// so that GNOME shows one ground whichever session it runs. Elsewhere standalone, the desktop
// is photographed where X can give a picture of it (not on a Wayland desktop, whose X server
// holds none), and the flight goes over its own ground where it cannot.

namespace altostrat {

enum class GroundSource { kOwnPicture, kXscreensaverPicture, kWallpaper, kPhotograph, kOwnGround };

struct GroundFacts {
    bool pictureOption = false;       // "--picture" given
    bool hack = false;                // drawn where xscreensaver says, not standalone
    bool gnomeSession = false;        // see DesktopSaysGnome (run/display_path.h)
    bool photographPossible = false;  // X holds the desktop's picture
};

GroundSource ChooseGround(const GroundFacts& facts);

}  // namespace altostrat
