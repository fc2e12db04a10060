#include "renderer/x11/x11_window.h"
#include "common/agreement.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace altostrat {
namespace {

// A failed request (a window id that names nothing, a grab refused) is reported by the call's
// result where it matters; Xlib's default handler would end the program instead.
int ReportXError(Display* display, XErrorEvent* event) {
    char text[256];
    XGetErrorText(display, event->error_code, text, sizeof text);
    std::fprintf(stderr, "altostrat: X error: %s (request %d)\n", text, event->request_code);
    return 0;
}

Cursor MakeBlankCursor(Display* display, Window window) {
    static const char kNoBits[8] = {};
    Pixmap empty = XCreateBitmapFromData(display, window, kNoBits, 8, 8);
    XColor black{};
    Cursor cursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
    XFreePixmap(display, empty);
    return cursor;
}

// A window just mapped may not be viewable yet when the grab is asked for; xscreensaver's own
// lock waits the same way. A second passes at most.
bool GrabKeyboard(Display* display, Window window) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (XGrabKeyboard(display, window, True, GrabModeAsync, GrabModeAsync, CurrentTime) ==
            GrabSuccess) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void WaitUntilMapped(Display* display, Window window) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, window, &attributes) &&
            attributes.map_state == IsViewable) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

bool OpenFlightTarget(X11Flight& flight, const HackOptions& options) {
    XSetErrorHandler(ReportXError);
    flight.display = XOpenDisplay(nullptr);
    if (flight.display == nullptr) {
        std::fprintf(stderr, "altostrat: cannot open the X display\n");
        return false;
    }
    flight.target = options.target;
    flight.parent = options.target == FlightTarget::kGivenWindow
                        ? static_cast<Window>(options.windowId)
                        : DefaultRootWindow(flight.display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(flight.display, flight.parent, &attributes)) {
        std::fprintf(stderr, "altostrat: no window 0x%lx\n", flight.parent);
        return false;
    }
    flight.width = attributes.width;
    flight.height = attributes.height;
    return true;
}

bool OpenFlightWindow(X11Flight& flight) {
    Display* display = flight.display;
    const int screen = DefaultScreen(display);
    int glxAttributes[] = {
        GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE,
        8,        GLX_DEPTH_SIZE,   24,           None};
    XVisualInfo* visual = glXChooseVisual(display, screen, glxAttributes);
    if (visual == nullptr) {
        std::fprintf(stderr, "altostrat: no double-buffered RGBA visual with depth\n");
        return false;
    }
    flight.colormap = XCreateColormap(display, flight.parent, visual->visual, AllocNone);
    XSetWindowAttributes set{};
    set.colormap = flight.colormap;
    set.background_pixel = BlackPixel(display, screen);
    set.border_pixel = 0;
    set.event_mask = StructureNotifyMask | KeyPressMask;
    unsigned long mask = CWColormap | CWBackPixel | CWBorderPixel | CWEventMask;
    // Standalone the window covers the screen without the window manager's frame; on the bare
    // root window the same keeps a manager from taking it as one of its own.
    if (flight.target != FlightTarget::kGivenWindow) {
        set.override_redirect = True;
        mask |= CWOverrideRedirect;
    }
    flight.window = XCreateWindow(display, flight.parent, 0, 0, flight.width, flight.height, 0,
                                  visual->depth, InputOutput, visual->visual, mask, &set);
    flight.context = glXCreateContext(display, visual, nullptr, True);
    XFree(visual);
    if (flight.window == 0 || flight.context == nullptr) {
        std::fprintf(stderr, "altostrat: cannot create the window or its GL context\n");
        return false;
    }
    XStoreName(display, flight.window, kRendererWindowTitle);
    if (flight.target == FlightTarget::kGivenWindow) {
        // The given window's size changes and its end reach us through its structure events.
        XSelectInput(display, flight.parent, StructureNotifyMask);
    } else {
        flight.blankCursor = MakeBlankCursor(display, flight.window);
        XDefineCursor(display, flight.window, flight.blankCursor);
    }
    XMapRaised(display, flight.window);
    WaitUntilMapped(display, flight.window);
    if (flight.target == FlightTarget::kStandalone) {
        flight.keyboardGrabbed = GrabKeyboard(display, flight.window);
        if (!flight.keyboardGrabbed) {
            std::fprintf(stderr, "altostrat: the keyboard could not be grabbed\n");
        }
    }
    if (!glXMakeCurrent(display, flight.window, flight.context)) {
        std::fprintf(stderr, "altostrat: cannot make the GL context current\n");
        return false;
    }
    return true;
}

void PumpFlightEvents(X11Flight& flight) {
    Display* display = flight.display;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
            case KeyPress:
                if (XLookupKeysym(&event.xkey, 0) == XK_Escape) {
                    flight.escapeTapped = true;
                }
                break;
            case ConfigureNotify: {
                const XConfigureEvent& configure = event.xconfigure;
                const bool ours = configure.window == flight.window;
                const bool parents = configure.window == flight.parent;
                if ((ours || parents) &&
                    (configure.width != flight.width || configure.height != flight.height)) {
                    flight.width = configure.width;
                    flight.height = configure.height;
                    flight.resized = true;
                    if (parents) {
                        XResizeWindow(display, flight.window, flight.width, flight.height);
                    }
                }
                break;
            }
            case DestroyNotify:
                if (event.xdestroywindow.window == flight.parent ||
                    event.xdestroywindow.window == flight.window) {
                    flight.parentGone = true;
                }
                break;
            default:
                break;
        }
    }
}

void CloseFlightWindow(X11Flight& flight) {
    Display* display = flight.display;
    if (display == nullptr) {
        return;
    }
    if (flight.context != nullptr) {
        glXMakeCurrent(display, None, nullptr);
        glXDestroyContext(display, flight.context);
        flight.context = nullptr;
    }
    if (flight.keyboardGrabbed) {
        XUngrabKeyboard(display, CurrentTime);
        flight.keyboardGrabbed = false;
    }
    if (flight.window != 0 && !flight.parentGone) {
        XDestroyWindow(display, flight.window);
    }
    flight.window = 0;
    if (flight.blankCursor != 0) {
        XFreeCursor(display, flight.blankCursor);
        flight.blankCursor = 0;
    }
    if (flight.colormap != 0) {
        XFreeColormap(display, flight.colormap);
        flight.colormap = 0;
    }
    XCloseDisplay(display);
    flight.display = nullptr;
}

}  // namespace altostrat
