#include "linux_program/x11/x_errors.h"

#include <cstdio>

#include "linux_program/run/stop_signals.h"

namespace altostrat {
namespace {

// Xlib's handlers get no context of ours: the one flag they need lives here.
struct QuietErrors {
    bool active = false;
    int count = 0;
};
QuietErrors quietErrors;

int OnXError(Display* display, XErrorEvent* event) {
    if (quietErrors.active) {
        ++quietErrors.count;
        return 0;
    }
    char text[256];
    XGetErrorText(display, event->error_code, text, sizeof text);
    std::fprintf(stderr, "altostrat: X error: %s (request %d)\n", text, event->request_code);
    return 0;
}

[[noreturn]] int OnLostDisplay(Display*) {
    std::fprintf(stderr, "altostrat: the connection to the X server is lost\n");
    EndAfterLostDisplay();
}

}  // namespace

void InstallXErrorHandlers() {
    XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnLostDisplay);
}

void BeginQuietXErrors(Display* display) {
    XSync(display, False);
    quietErrors.count = 0;
    quietErrors.active = true;
}

bool EndQuietXErrors(Display* display) {
    XSync(display, False);
    quietErrors.active = false;
    return quietErrors.count > 0;
}

}  // namespace altostrat
