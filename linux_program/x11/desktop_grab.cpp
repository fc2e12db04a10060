#include "linux_program/x11/desktop_grab.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "linux_program/run/stop_signals.h"
#include "linux_program/x11/x_errors.h"
#include "linux_program/x11/x_pixels.h"

extern char** environ;

namespace altostrat {
namespace {

// Debian installs the helper beside the hacks, outside PATH; xscreensaver puts that folder on
// the PATH of the hacks it starts, and a hack started by hand finds it at its Debian place.
constexpr const char* kHelperName = "xscreensaver-getimage";
constexpr const char* kHelperPath = "/usr/libexec/xscreensaver/xscreensaver-getimage";
// Where the helper names what it drew; it deletes the property when it drew colour bars.
constexpr const char* kImageNameProperty = "_SCREENSAVER_IMAGE_FILENAME";

// The helper runs in a process group of its own, so that stopping it also stops whatever it
// starts in turn (it may run another program to find a picture).
bool SpawnHelper(const std::string& window, const std::string& pixmap, pid_t& pid) {
    char* const arguments[] = {const_cast<char*>(kHelperName), const_cast<char*>(window.c_str()),
                               const_cast<char*>(pixmap.c_str()), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    bool spawned = posix_spawnp(&pid, kHelperName, nullptr, &attributes, arguments, environ) == 0 ||
                   posix_spawn(&pid, kHelperPath, nullptr, &attributes, arguments, environ) == 0;
    posix_spawnattr_destroy(&attributes);
    return spawned;
}

// Asks the helper's group to end, gives it a moment, then ends it for sure; waits for it either
// way, so that no helper outlives the hack.
void StopHelper(pid_t pid) {
    kill(-pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(-pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// The helper's exit status, or -1 when it had to be stopped: after the deadline, or because
// the program was told to end.
int WaitForHelper(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (done < 0) {
            return -1;
        }
        if (StopSignalled() || std::chrono::steady_clock::now() > deadline) {
            StopHelper(pid);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string Hex(unsigned long id) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", id);
    return text;
}

}  // namespace

namespace {

bool AllBlack(const std::vector<std::uint8_t>& rows) {
    for (const std::uint8_t byte : rows) {
        if (byte != 0) {
            return false;
        }
    }
    return true;
}

// A pixmap has no visual, and X then leaves the image's colour masks at zero: the colours are
// laid out as in the visual of the window the pixmap was made for.
DesktopPicture GrabWithVisual(Display* display, Drawable drawable, const Visual* visual, int width,
                              int height) {
    DesktopPicture picture;
    BeginQuietXErrors(display);
    XImage* image = XGetImage(display, drawable, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    EndQuietXErrors(display);
    if (image == nullptr) {
        return picture;
    }
    XPixels pixels;
    pixels.width = image->width;
    pixels.height = image->height;
    pixels.data = reinterpret_cast<const std::uint8_t*>(image->data);
    pixels.bytesPerLine = static_cast<std::size_t>(image->bytes_per_line);
    pixels.bitsPerPixel = image->bits_per_pixel;
    pixels.msbFirst = image->byte_order == MSBFirst;
    const bool noMasks = image->red_mask == 0 && image->green_mask == 0 && image->blue_mask == 0;
    pixels.redMask = static_cast<std::uint32_t>(noMasks ? visual->red_mask : image->red_mask);
    pixels.greenMask = static_cast<std::uint32_t>(noMasks ? visual->green_mask : image->green_mask);
    pixels.blueMask = static_cast<std::uint32_t>(noMasks ? visual->blue_mask : image->blue_mask);
    if (ConvertXPixels(pixels, picture.rows) && !AllBlack(picture.rows)) {
        picture.width = pixels.width;
        picture.height = pixels.height;
    } else {
        picture.rows.clear();
    }
    XDestroyImage(image);
    return picture;
}

// Whether the helper named a picture it drew on the window (rather than colour bars).
bool HelperNamedAPicture(Display* display, Window window) {
    const Atom property = XInternAtom(display, kImageNameProperty, False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* value = nullptr;
    const int status =
        XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                           &format, &items, &remaining, &value);
    if (value != nullptr) {
        XFree(value);
    }
    return status == Success && type != None && items > 0;
}

}  // namespace

DesktopPicture GrabDesktopPicture(Display* display, Window window, int width, int height) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return DesktopPicture();
    }
    return GrabWithVisual(display, window, attributes.visual, width, height);
}

DesktopPicture LoadPictureThroughHelper(Display* display, Window window, int width, int height) {
    DesktopPicture picture;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return picture;
    }
    Pixmap pixmap =
        XCreatePixmap(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height),
                      static_cast<unsigned>(attributes.depth));
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XSetForeground(display, gc, BlackPixel(display, DefaultScreen(display)));
    XFillRectangle(display, pixmap, gc, 0, 0, static_cast<unsigned>(width),
                   static_cast<unsigned>(height));
    XFreeGC(display, gc);
    // The helper is another client: the pixmap must exist on the server before it looks.
    XSync(display, False);
    pid_t pid = 0;
    if (SpawnHelper(Hex(window), Hex(pixmap), pid) && WaitForHelper(pid) == 0 &&
        HelperNamedAPicture(display, window)) {
        picture = GrabWithVisual(display, pixmap, attributes.visual, width, height);
    }
    XFreePixmap(display, pixmap);
    return picture;
}

}  // namespace altostrat
