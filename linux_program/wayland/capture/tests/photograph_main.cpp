// wayland_photograph FILE: photographs the desktop of the compositor WAYLAND_DISPLAY names as the
// flight does, writes the picture to FILE as a binary PPM, and prints on one line the way it
// was taken, the picture's size and the logical rectangle it covers ("KWin ScreenShot2 2560x720
// 0,0 2560x720"), or "none: REASON" with exit code 1. The Wayland scenarios look at the
// photograph through it; it writes to the disk only because a test asks it to.
#include <wayland-client.h>

#include <cstdio>

#include "linux_program/wayland/capture/desktop_photograph.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wayland_photograph FILE\n");
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wayland_photograph: no compositor\n");
        return 2;
    }
    const altostrat::WaylandDesktopPicture shot = altostrat::PhotographWaylandDesktop(display, -1);
    wl_display_disconnect(display);
    if (shot.picture.pixels.empty()) {
        std::printf("none: %s\n", shot.reason.c_str());
        return 1;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        return 2;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", shot.picture.width, shot.picture.height);
    std::fwrite(shot.picture.pixels.data(), 1, shot.picture.pixels.size(), file);
    std::fclose(file);
    std::printf("%s %dx%d %d,%d %dx%d\n", altostrat::CaptureSourceName(shot.source),
                shot.picture.width, shot.picture.height, shot.logical.left, shot.logical.top,
                shot.logical.Width(), shot.logical.Height());
    return 0;
}
