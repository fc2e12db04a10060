#pragma once
// The one wait on a compositor's connection: the flight's frames, the photograph and --idle all
// sleep here. It sends what is queued, then sleeps in one poll on the connection, the stop
// descriptor and, where the caller has one, a descriptor of its own (--idle's flight child),
// until a deadline; then it reads what came and dispatches the queue waited on.
//
// The stop signals are in the same poll as the compositor's events. The stop descriptor turns
// readable when a signal arrives and stays so (run/stop_signals.h hands it out; it is handed in
// here as a number), so a signal that lands after the caller's last look at the flag and before
// the poll begins ends the poll at once, instead of leaving it waiting for an event that may
// never come (an output turned off sends none).
//
// Several event queues share one connection (the photograph's queue beside the flight's), so
// reading follows libwayland's rule for that: prepare to read (dispatching what a reader before
// queued meanwhile), flush, poll, then read or cancel, never a read without a poll. A full socket
// is no failure: the poll also waits until it takes the rest. A roundtrip is a sync request and a
// wait for its answer under the same deadline: a frozen compositor keeps no one waiting for
// longer than the caller allows.

#include <cstdint>
#include <functional>
#include <limits>

struct wl_display;
struct wl_event_queue;

namespace altostrat {

struct DisplayWait {
    wl_display* display = nullptr;    // nullptr: a wait on the descriptors alone
    wl_event_queue* queue = nullptr;  // nullptr: the display's default queue
    int stop = -1;                    // the stop descriptor; -1: none
    int other = -1;                   // ends the wait once readable or hung up; -1: none
};

enum class WaitEnd {
    kEvents,    // events were dispatched (after WaitUntil: DONE answered true)
    kTimedOut,  // the deadline came first
    kStopped,   // the stop descriptor is readable: a stop signal has arrived
    kOther,     // the caller's other descriptor is readable or hung up
    kBroken,    // the connection failed: the display must not be waited on again
};

constexpr std::int64_t kNoDeadline = std::numeric_limits<std::int64_t>::max();

// How long a compositor has to answer a roundtrip before it counts as gone (frozen): long
// enough for a busy machine, short enough that the user is not left with a covered screen.
constexpr std::int64_t kCompositorAnswerMs = 5000;

// The steady clock the deadlines and the frame callbacks are timed by, in milliseconds.
std::int64_t NowMs();

// One wait: what is already queued is dispatched at once (kEvents); otherwise it sleeps until
// events for the queue come, the stop or the other descriptor turns readable, or DEADLINE_MS
// (NowMs's clock; kNoDeadline: none) passes. Events read meanwhile are dispatched whatever the end.
WaitEnd WaitOnce(const DisplayWait& wait, std::int64_t deadlineMs);

// Waits until DONE answers true, asked before the first wait and after every dispatch.
WaitEnd WaitUntil(const DisplayWait& wait, const std::function<bool()>& done,
                  std::int64_t deadlineMs);

// A roundtrip on the queue waited on: kEvents once the compositor has answered everything sent
// so far, the events it sent before the answer dispatched.
WaitEnd Roundtrip(const DisplayWait& wait, std::int64_t deadlineMs);

// Whether a roundtrip's END leaves the compositor unusable: the connection broken, or no answer
// in time. (A stop is not: the caller's own look at the flag ends its work.)
bool CompositorLost(WaitEnd end);

// Whether DESCRIPTOR (-1: none) is readable now, without waiting.
bool DescriptorReady(int descriptor);

}  // namespace altostrat
