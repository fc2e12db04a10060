#include "linux_program/wayland/wait/display_wait.h"

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>

namespace altostrat {
namespace {

// POLL's timeout for DEADLINE_MS from now: -1 for none, never negative otherwise.
int PollTimeout(std::int64_t deadlineMs) {
    if (deadlineMs == kNoDeadline) {
        return -1;
    }
    return static_cast<int>(std::clamp<std::int64_t>(deadlineMs - NowMs(), 0, INT_MAX));
}

bool Ready(const pollfd& fd) {
    return fd.fd >= 0 && (fd.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

int DispatchPending(const DisplayWait& wait) {
    return wait.queue != nullptr ? wl_display_dispatch_queue_pending(wait.display, wait.queue)
                                 : wl_display_dispatch_pending(wait.display);
}

int PrepareRead(const DisplayWait& wait) {
    return wait.queue != nullptr ? wl_display_prepare_read_queue(wait.display, wait.queue)
                                 : wl_display_prepare_read(wait.display);
}

// The wait with no display: the stop and the other descriptor, until the deadline.
WaitEnd WaitOnDescriptors(const DisplayWait& wait, std::int64_t deadlineMs) {
    for (;;) {
        pollfd fds[2] = {{wait.stop, POLLIN, 0}, {wait.other, POLLIN, 0}};
        const int ready = poll(fds, 2, PollTimeout(deadlineMs));
        if (ready < 0 && errno != EINTR) {
            return WaitEnd::kBroken;
        }
        if (Ready(fds[0])) {
            return WaitEnd::kStopped;
        }
        if (Ready(fds[1])) {
            return WaitEnd::kOther;
        }
        if (ready == 0 && NowMs() >= deadlineMs) {
            return WaitEnd::kTimedOut;
        }
    }
}

void OnSyncDone(void* data, wl_callback*, uint32_t) {
    *static_cast<bool*>(data) = true;
}

const wl_callback_listener kSyncListener = {OnSyncDone};

}  // namespace

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

WaitEnd WaitOnce(const DisplayWait& wait, std::int64_t deadlineMs) {
    if (wait.display == nullptr) {
        return WaitOnDescriptors(wait, deadlineMs);
    }
    for (;;) {
        while (PrepareRead(wait) != 0) {
            const int dispatched = DispatchPending(wait);
            if (dispatched != 0) {
                // Requests queued meanwhile go out now, as they would before a sleep.
                return dispatched < 0 || (wl_display_flush(wait.display) < 0 && errno != EAGAIN)
                           ? WaitEnd::kBroken
                           : WaitEnd::kEvents;
            }
        }
        const bool sent = wl_display_flush(wait.display) >= 0;
        if (!sent && errno != EAGAIN) {
            wl_display_cancel_read(wait.display);
            return WaitEnd::kBroken;
        }
        pollfd fds[3] = {
            {wl_display_get_fd(wait.display), static_cast<short>(POLLIN | (sent ? 0 : POLLOUT)), 0},
            {wait.stop, POLLIN, 0},
            {wait.other, POLLIN, 0}};
        const int ready = poll(fds, 3, PollTimeout(deadlineMs));
        if (ready < 0 && errno != EINTR) {
            wl_display_cancel_read(wait.display);
            return WaitEnd::kBroken;
        }
        int dispatched = 0;
        if (ready > 0 && Ready(fds[0])) {
            if (wl_display_read_events(wait.display) < 0) {
                return WaitEnd::kBroken;
            }
            dispatched = DispatchPending(wait);
            if (dispatched < 0) {
                return WaitEnd::kBroken;
            }
        } else {
            wl_display_cancel_read(wait.display);
        }
        if (Ready(fds[1])) {
            return WaitEnd::kStopped;
        }
        if (Ready(fds[2])) {
            return WaitEnd::kOther;
        }
        if (dispatched > 0) {
            return WaitEnd::kEvents;
        }
        if (ready == 0 && NowMs() >= deadlineMs) {
            return WaitEnd::kTimedOut;
        }
        // Woken by an interrupted poll, by room in the socket or by events for another queue.
    }
}

WaitEnd WaitUntil(const DisplayWait& wait, const std::function<bool()>& done,
                  std::int64_t deadlineMs) {
    for (;;) {
        if (done()) {
            return WaitEnd::kEvents;
        }
        const WaitEnd end = WaitOnce(wait, deadlineMs);
        if (end != WaitEnd::kEvents) {
            return done() ? WaitEnd::kEvents : end;
        }
    }
}

WaitEnd Roundtrip(const DisplayWait& wait, std::int64_t deadlineMs) {
    // The sync is made through a wrapper on the queue waited on, so its answer comes there.
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(wait.display));
    if (wrapper == nullptr) {
        return WaitEnd::kBroken;
    }
    if (wait.queue != nullptr) {
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), wait.queue);
    }
    bool answered = false;
    wl_callback* callback = wl_display_sync(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    if (callback == nullptr) {
        return WaitEnd::kBroken;
    }
    wl_callback_add_listener(callback, &kSyncListener, &answered);
    const WaitEnd end = WaitUntil(
        wait, [&answered] { return answered; }, deadlineMs);
    wl_callback_destroy(callback);
    return end;
}

bool CompositorLost(WaitEnd end) {
    return end == WaitEnd::kBroken || end == WaitEnd::kTimedOut;
}

bool DescriptorReady(int descriptor) {
    pollfd fd = {descriptor, POLLIN, 0};
    return descriptor >= 0 && poll(&fd, 1, 0) > 0 && Ready(fd);
}

}  // namespace altostrat
