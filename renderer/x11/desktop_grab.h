#pragma once
// Where the desktop picture comes from. Standalone, the program photographs the root window
// itself, before it shows anything. As a hack it must not: by then xscreensaver's own window
// covers the screen. xscreensaver keeps the desktop it saw before blanking and hands it to
// hacks through its image helper, xscreensaver-getimage, which paints a picture (that desktop,
// or whatever the user's settings allow instead) onto a pixmap the hack names. The pixmap is
// then read like the root window.

#include <X11/Xlib.h>

#include <string>

namespace altostrat {

// Reads the window's pixels and writes them as the desktop capture file.
bool GrabDesktopPicture(Display* display, Window window, int width, int height,
                        const std::string& folder);

// Asks xscreensaver-getimage for a picture for `window` at its size and writes it as the
// desktop capture file. False when the helper is missing, fails or takes over 20 seconds, or
// when a stop signal arrives while it works; the helper is then stopped and waited for.
bool LoadPictureThroughHelper(Display* display, Window window, int width, int height,
                              const std::string& folder);

}  // namespace altostrat
