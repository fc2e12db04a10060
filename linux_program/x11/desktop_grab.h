#pragma once
// Where the desktop picture comes from. Standalone, the program photographs the root window
// itself, before it shows anything. As a hack it must not: by then xscreensaver's own window
// covers the screen. xscreensaver keeps the desktop it saw before blanking and hands it to
// hacks through its image helper, xscreensaver-getimage, which paints a picture (that desktop,
// or whatever the user's settings allow instead) onto a pixmap the hack names. The pixmap is
// then read like the root window.
//
// The user's choice is honoured: with "Grab Desktop Images" off (Debian's default) and no
// folder of pictures to choose from, the helper draws test colour bars, and says so by
// deleting the property in which it otherwise names what it drew ("desktop", a file, "video")
// on the window. The program then flies over its own ground instead, and it does so too
// wherever no picture can be had: the helper missing or failing, or a picture that is black
// all over (what a Wayland desktop's X server gives of its root window).

#include <X11/Xlib.h>

#include "linux_program/run/flight_pictures.h"

namespace altostrat {

// The window's pixels; none when they cannot be read (quietly: some X servers refuse) or are
// black all over.
DesktopPicture GrabDesktopPicture(Display* display, Window window, int width, int height);

// Asks xscreensaver-getimage for a picture for `window` at its size. None when the helper drew
// colour bars, is missing, fails or takes over 20 seconds, or when a stop signal arrives while
// it works; the helper is then stopped and waited for.
DesktopPicture LoadPictureThroughHelper(Display* display, Window window, int width, int height);

}  // namespace altostrat
