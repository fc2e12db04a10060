#include "linux_program/x11/x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "common/agreement.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/x11/fullscreen_monitors.h"
#include "linux_program/x11/x_errors.h"
#include "linux_program/x11/x_monitors.h"

namespace altostrat {
namespace {

Cursor MakeBlankCursor(Display* display, Window window) {
    static const char kNoBits[8] = {};
    Pixmap empty = XCreateBitmapFromData(display, window, kNoBits, 8, 8);
    XColor black{};
    Cursor cursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
    XFreePixmap(display, empty);
    return cursor;
}

// Runs the attempt every 10 ms for up to a second, or until a stop signal.
template <typename Attempt>
bool TryForASecond(Attempt attempt) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    for (;;) {
        if (attempt()) {
            return true;
        }
        if (StopSignalled() || std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// A window just mapped may not be viewable yet when the grab is asked for, and another client
// (a menu, another locker) may hold the keyboard for a moment; xscreensaver's own lock waits
// the same way.
bool GrabKeyboard(Display* display, Window window) {
    return TryForASecond([display, window] {
        return XGrabKeyboard(display, window, True, GrabModeAsync, GrabModeAsync, CurrentTime) ==
               GrabSuccess;
    });
}

void WaitUntilMapped(Display* display, Window window) {
    TryForASecond([display, window] {
        XWindowAttributes attributes;
        return XGetWindowAttributes(display, window, &attributes) &&
               attributes.map_state == IsViewable;
    });
}

// The visuals asked for, best first: a 24-bit depth buffer, else a 16-bit one (older or
// smaller drivers); any colour depth the screen offers, with the deepest preferred by GLX.
XVisualInfo* ChooseFlightVisual(Display* display, int screen) {
    for (int depthBits : {24, 16}) {
        int attributes[] = {
            GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 1,   GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE,
            1,        GLX_DEPTH_SIZE,   depthBits,    None};
        if (XVisualInfo* visual = glXChooseVisual(display, screen, attributes)) {
            return visual;
        }
    }
    return nullptr;
}

// The root window's own visual, when GLX can draw double-buffered RGBA with depth in it.
XVisualInfo* RootVisual(Display* display, int screen, Window root) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, root, &attributes)) {
        return nullptr;
    }
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    wanted.screen = screen;
    int count = 0;
    XVisualInfo* visual = XGetVisualInfo(display, VisualIDMask | VisualScreenMask, &wanted, &count);
    if (visual == nullptr) {
        return nullptr;
    }
    int useGl = 0, rgba = 0, doubleBuffer = 0, depthBits = 0;
    glXGetConfig(display, visual, GLX_USE_GL, &useGl);
    glXGetConfig(display, visual, GLX_RGBA, &rgba);
    glXGetConfig(display, visual, GLX_DOUBLEBUFFER, &doubleBuffer);
    glXGetConfig(display, visual, GLX_DEPTH_SIZE, &depthBits);
    if (useGl && rgba && doubleBuffer && depthBits >= 16) {
        return visual;
    }
    XFree(visual);
    return nullptr;
}

// Before the window is mapped: a window manager reads these when it manages the window. The
// class names the program; the hints ask for the keyboard focus; the state asks for the full
// screen, with no frame.
void AskForFullScreen(Display* display, Window window) {
    XClassHint classHint{};
    char name[] = "altostrat";
    char className[] = "Altostrat";
    classHint.res_name = name;
    classHint.res_class = className;
    XSetClassHint(display, window, &classHint);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(display, window, &hints);
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&fullScreen), 1);
}

// Once the window is mapped, the same wish as a message to the window manager, which a window
// manager heeds for a window it already manages (one that reuses a window's id, say, may hold
// on to what it knew of the old one).
void AskAgainForFullScreen(Display* display, int screen, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;  // add
    event.xclient.data.l[1] =
        static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
    event.xclient.data.l[3] = 1;  // from an application
    XSendEvent(display, RootWindow(display, screen), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

// With several monitors, the full screen asked for spans them all (fullscreen_monitors.h). A
// window manager heeds it only from a window it manages, so it follows the full screen's wish.
void AskToSpanAllMonitors(Display* display, int screen, Window window) {
    std::vector<ScreenRect> heads;
    for (const Monitor& monitor : ListXMonitors(display)) {
        heads.push_back(monitor.bounds);
    }
    FullScreenMonitors span;
    if (!SpanAllMonitors(heads, span)) {
        return;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_FULLSCREEN_MONITORS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = span.top;
    event.xclient.data.l[1] = span.bottom;
    event.xclient.data.l[2] = span.left;
    event.xclient.data.l[3] = span.right;
    event.xclient.data.l[4] = 1;  // from an application
    XSendEvent(display, RootWindow(display, screen), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

bool OpenOnRoot(X11Window& flight) {
    Display* display = flight.display;
    XVisualInfo* visual = RootVisual(display, flight.screen, flight.parent);
    if (visual == nullptr) {
        std::fprintf(
            stderr, "altostrat: the root window's visual has no double-buffered RGBA with depth\n");
        return false;
    }
    flight.context = glXCreateContext(display, visual, nullptr, True);
    XFree(visual);
    if (flight.context == nullptr) {
        std::fprintf(stderr, "altostrat: cannot create a GL context for the root window\n");
        return false;
    }
    flight.window = flight.parent;
    // The screen's size changes reach us as the root window's structure events.
    XSelectInput(display, flight.parent, StructureNotifyMask);
    return true;
}

bool OpenOwnWindow(X11Window& flight) {
    Display* display = flight.display;
    XVisualInfo* visual = ChooseFlightVisual(display, flight.screen);
    if (visual == nullptr) {
        std::fprintf(stderr, "altostrat: no double-buffered RGBA visual with depth\n");
        return false;
    }
    flight.colormap = XCreateColormap(display, flight.parent, visual->visual, AllocNone);
    XSetWindowAttributes set{};
    set.colormap = flight.colormap;
    set.background_pixel = BlackPixel(display, flight.screen);
    set.border_pixel = 0;
    const bool standalone = flight.target == FlightTarget::kStandalone;
    set.event_mask = StructureNotifyMask;
    if (standalone) {
        set.event_mask |= KeyPressMask;
    }
    if (flight.managed) {
        set.event_mask |= ButtonPressMask;
    }
    unsigned long mask = CWColormap | CWBackPixel | CWBorderPixel | CWEventMask;
    // Standalone on X the window covers the screen without the window manager's frame.
    if (standalone && !flight.managed) {
        set.override_redirect = True;
        mask |= CWOverrideRedirect;
    }
    flight.window = XCreateWindow(display, flight.parent, 0, 0, flight.width, flight.height, 0,
                                  visual->depth, InputOutput, visual->visual, mask, &set);
    flight.ownWindow = flight.window != 0;
    flight.context = glXCreateContext(display, visual, nullptr, True);
    XFree(visual);
    if (flight.window == 0 || flight.context == nullptr) {
        std::fprintf(stderr, "altostrat: cannot create the window or its GL context\n");
        return false;
    }
    XStoreName(display, flight.window, kRendererWindowTitle);
    if (flight.managed) {
        AskForFullScreen(display, flight.window);
    }
    // The given window's size changes and its end, or the screen's size changes standalone,
    // reach us through the parent's structure events.
    XSelectInput(display, flight.parent, StructureNotifyMask);
    if (standalone) {
        flight.blankCursor = MakeBlankCursor(display, flight.window);
        XDefineCursor(display, flight.window, flight.blankCursor);
    }
    XMapRaised(display, flight.window);
    WaitUntilMapped(display, flight.window);
    if (flight.managed) {
        AskAgainForFullScreen(display, flight.screen, flight.window);
        AskToSpanAllMonitors(display, flight.screen, flight.window);
    }
    if (standalone && !flight.managed) {
        flight.keyboardGrabbed = GrabKeyboard(display, flight.window);
        if (!flight.keyboardGrabbed) {
            if (!StopSignalled()) {
                std::fprintf(stderr,
                             "altostrat: another program holds the keyboard, so Escape could not "
                             "end the flight; not starting\n");
            }
            return false;
        }
    }
    return true;
}

}  // namespace

bool OpenFlightTarget(X11Window& flight, const HackOptions& options) {
    InstallXErrorHandlers();
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
    flight.screen = XScreenNumberOfScreen(attributes.screen);
    flight.width = attributes.width;
    flight.height = attributes.height;
    return true;
}

bool OpenFlightWindow(X11Window& flight) {
    const bool opened =
        flight.target == FlightTarget::kRootWindow ? OpenOnRoot(flight) : OpenOwnWindow(flight);
    if (!opened || StopSignalled()) {
        return false;
    }
    if (!glXMakeCurrent(flight.display, flight.window, flight.context)) {
        std::fprintf(stderr, "altostrat: cannot make the GL context current\n");
        return false;
    }
    return true;
}

void PumpFlightEvents(X11Window& flight) {
    Display* display = flight.display;
    // A given window may be destroyed at any time: the round trip brings its end here before
    // the next frame is drawn into it.
    if (flight.target == FlightTarget::kGivenWindow) {
        XSync(display, False);
    }
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
            case KeyPress:
                if (XLookupKeysym(&event.xkey, 0) == XK_Escape) {
                    flight.escapeTapped = true;
                }
                break;
            case ButtonPress:
                flight.clicked = true;
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
                    if (parents && flight.ownWindow) {
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

void CloseFlightWindow(X11Window& flight) {
    Display* display = flight.display;
    if (display == nullptr) {
        return;
    }
    RestoreServerBlanking(display, flight.power);
    if (flight.context != nullptr) {
        glXMakeCurrent(display, None, nullptr);
        glXDestroyContext(display, flight.context);
        flight.context = nullptr;
    }
    if (flight.keyboardGrabbed) {
        XUngrabKeyboard(display, CurrentTime);
        flight.keyboardGrabbed = false;
    }
    if (flight.ownWindow && !flight.parentGone) {
        XDestroyWindow(display, flight.window);
    } else if (flight.target == FlightTarget::kRootWindow && flight.window != 0) {
        // The root window's own background again, in place of the last frame.
        XClearWindow(display, flight.window);
    }
    flight.window = 0;
    flight.ownWindow = false;
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
