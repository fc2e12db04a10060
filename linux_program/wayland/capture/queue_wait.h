#pragma once
// The photograph's waits. They run on an event queue of their own, so that the flight's objects
// on the display's default queue neither see the photograph's events nor are dispatched by it;
// and they never block for long: the caller's stop check is asked at least every 100 ms, so a
// stop signal ends a photograph of a compositor that does not answer.

#include <functional>

struct wl_display;
struct wl_event_queue;
struct wl_proxy;

namespace altostrat {

enum class QueueWaitEnd { kDone, kTimedOut, kStopped, kBroken };

// Dispatches QUEUE's events until DONE answers true, TIMEOUT_MS pass, STOP_NOW answers true (it
// may be empty) or the connection breaks.
QueueWaitEnd DispatchQueueUntil(wl_display* display, wl_event_queue* queue,
                                const std::function<bool()>& done,
                                const std::function<bool()>& stopNow, int timeoutMs);

// Waits until the compositor has answered everything sent so far through WRAPPER (a wrapper of
// the display on QUEUE), and the events it sent before are dispatched.
QueueWaitEnd RoundtripQueue(wl_display* display, wl_proxy* wrapper, wl_event_queue* queue,
                            const std::function<bool()>& stopNow, int timeoutMs);

}  // namespace altostrat
