#include "linux_program/wayland/wayland_wait.h"

#include <poll.h>

#include <cerrno>
#include <chrono>

namespace altostrat {

bool WaitForWaylandEvents(wl_display* display, int timeoutMs) {
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0) {
            return false;
        }
    }
    // A full socket is no failure: what is left goes with the next flush.
    if (wl_display_flush(display) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(display);
        return false;
    }
    pollfd fd{wl_display_get_fd(display), POLLIN, 0};
    const int ready = poll(&fd, 1, timeoutMs);
    if (ready > 0) {
        if (wl_display_read_events(display) < 0) {
            return false;
        }
    } else {
        wl_display_cancel_read(display);
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
    return wl_display_dispatch_pending(display) >= 0;
}

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace altostrat
