#include "linux_program/wayland/capture/queue_wait.h"

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace altostrat {

QueueWaitEnd DispatchQueueUntil(wl_display* display, wl_event_queue* queue,
                                const std::function<bool()>& done,
                                const std::function<bool()>& stopNow, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (wl_display_dispatch_queue_pending(display, queue) < 0) {
            return QueueWaitEnd::kBroken;
        }
        if (done()) {
            return QueueWaitEnd::kDone;
        }
        if (stopNow && stopNow()) {
            return QueueWaitEnd::kStopped;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return QueueWaitEnd::kTimedOut;
        }
        if (wl_display_prepare_read_queue(display, queue) != 0) {
            continue;  // events came in meanwhile: dispatched above
        }
        if (wl_display_flush(display) < 0 && errno != EAGAIN) {
            wl_display_cancel_read(display);
            return QueueWaitEnd::kBroken;
        }
        pollfd fd = {wl_display_get_fd(display), POLLIN, 0};
        const int ready = poll(&fd, 1, static_cast<int>(std::min<long long>(left, 100)));
        if (ready <= 0) {
            wl_display_cancel_read(display);
            if (ready < 0 && errno != EINTR) {
                return QueueWaitEnd::kBroken;
            }
            continue;
        }
        if (wl_display_read_events(display) < 0) {
            return QueueWaitEnd::kBroken;
        }
    }
}

namespace {

void OnSyncDone(void* data, wl_callback*, uint32_t) {
    *static_cast<bool*>(data) = true;
}

const wl_callback_listener kSyncListener = {OnSyncDone};

}  // namespace

QueueWaitEnd RoundtripQueue(wl_display* display, wl_proxy* wrapper, wl_event_queue* queue,
                            const std::function<bool()>& stopNow, int timeoutMs) {
    bool answered = false;
    wl_callback* callback = wl_display_sync(reinterpret_cast<wl_display*>(wrapper));
    wl_callback_add_listener(callback, &kSyncListener, &answered);
    const QueueWaitEnd end = DispatchQueueUntil(
        display, queue, [&answered] { return answered; }, stopNow, timeoutMs);
    wl_callback_destroy(callback);
    return end;
}

}  // namespace altostrat
