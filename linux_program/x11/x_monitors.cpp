#include "linux_program/x11/x_monitors.h"

#include <X11/extensions/Xinerama.h>

namespace altostrat {

std::vector<Monitor> ListXMonitors(Display* display) {
    std::vector<Monitor> monitors;
    int eventBase = 0, errorBase = 0;
    if (!XineramaQueryExtension(display, &eventBase, &errorBase) || !XineramaIsActive(display)) {
        return monitors;
    }
    int count = 0;
    XineramaScreenInfo* heads = XineramaQueryScreens(display, &count);
    for (int i = 0; i < count; ++i) {
        Monitor monitor;
        monitor.bounds = {heads[i].x_org, heads[i].y_org, heads[i].x_org + heads[i].width,
                          heads[i].y_org + heads[i].height};
        monitor.primary = i == 0;
        monitors.push_back(monitor);
    }
    if (heads != nullptr) {
        XFree(heads);
    }
    return monitors;
}

ScreenRect WindowOnRoot(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return {};
    }
    int x = 0, y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(display, window, attributes.root, 0, 0, &x, &y, &child)) {
        return {};
    }
    return {x, y, x + attributes.width, y + attributes.height};
}

}  // namespace altostrat
