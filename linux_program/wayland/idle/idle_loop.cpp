#include "linux_program/wayland/idle/idle_loop.h"

#include <poll.h>
#include <signal.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>

#include "ext-idle-notify-v1-client-protocol.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/wayland/idle/flight_child.h"

namespace altostrat {
namespace {

struct IdleWatch {
    ext_idle_notifier_v1* notifier = nullptr;
    wl_seat* seat = nullptr;
    ext_idle_notification_v1* notification = nullptr;
    bool idle = false;  // between the compositor's "idled" and its "resumed"
};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    IdleWatch& watch = *static_cast<IdleWatch*>(data);
    if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0 &&
        watch.notifier == nullptr) {
        watch.notifier = static_cast<ext_idle_notifier_v1*>(
            wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && watch.seat == nullptr) {
        watch.seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

void OnIdled(void* data, ext_idle_notification_v1*) {
    static_cast<IdleWatch*>(data)->idle = true;
}

void OnResumed(void* data, ext_idle_notification_v1*) {
    static_cast<IdleWatch*>(data)->idle = false;
}

const ext_idle_notification_v1_listener kNotificationListener = {OnIdled, OnResumed};

enum class WaitEnd { kReached, kChildGone, kStopSignal, kCompositorGone };

// Sleeps on the compositor's socket (and on CHILD_SOCKET, unless -1) until REACHED answers true
// after the compositor's events, or the child has gone. The stop signals are blocked from the look
// at their flag until the poll begins, which lets them in again, so one that comes in between ends
// the poll instead of being missed.
WaitEnd WaitFor(wl_display* display, const std::function<bool()>& reached, int childSocket) {
    sigset_t stops;
    sigset_t before;
    sigemptyset(&stops);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&stops, signal);
    }
    for (;;) {
        if (wl_display_dispatch_pending(display) < 0) {
            return WaitEnd::kCompositorGone;
        }
        if (reached()) {
            return WaitEnd::kReached;
        }
        sigprocmask(SIG_BLOCK, &stops, &before);
        if (StopSignalled()) {
            sigprocmask(SIG_SETMASK, &before, nullptr);
            return WaitEnd::kStopSignal;
        }
        if (wl_display_prepare_read(display) != 0) {
            sigprocmask(SIG_SETMASK, &before, nullptr);
            continue;  // events came in meanwhile: dispatched above
        }
        pollfd fds[2] = {{wl_display_get_fd(display), POLLIN, 0}, {childSocket, POLLIN, 0}};
        if (wl_display_flush(display) < 0) {
            if (errno != EAGAIN) {
                wl_display_cancel_read(display);
                sigprocmask(SIG_SETMASK, &before, nullptr);
                return WaitEnd::kCompositorGone;
            }
            fds[0].events |= POLLOUT;  // the rest goes once the socket takes it
        }
        const int ready = ppoll(fds, 2, nullptr, &before);
        sigprocmask(SIG_SETMASK, &before, nullptr);
        if (ready > 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            if (wl_display_read_events(display) < 0) {
                return WaitEnd::kCompositorGone;
            }
        } else {
            wl_display_cancel_read(display);
            if (ready < 0 && errno != EINTR) {
                return WaitEnd::kCompositorGone;
            }
        }
        if (ready > 0 && fds[1].revents != 0) {
            return WaitEnd::kChildGone;
        }
    }
}

// One flight in a child, told when the user is back: kChildGone once it has ended, or how the
// wait ended (the child then stopped).
WaitEnd Fly(wl_display* display, const IdleWatch& watch, const IdleFlight& fly) {
    FlightChild child;
    if (!StartFlightChild(display, fly, child)) {
        std::fprintf(stderr, "altostrat: no process for the flight\n");
        return WaitEnd::kChildGone;
    }
    for (;;) {
        const WaitEnd wait = WaitFor(
            display, [&watch, &child] { return !watch.idle && !child.told; }, child.socket);
        if (wait == WaitEnd::kReached) {
            TellUserBack(child);
            continue;
        }
        if (wait == WaitEnd::kChildGone) {
            ReapFlightChild(child);
        } else {
            StopFlightChild(child);
        }
        return wait;
    }
}

void Release(IdleWatch& watch) {
    if (watch.notification != nullptr) {
        ext_idle_notification_v1_destroy(watch.notification);
    }
    if (watch.notifier != nullptr) {
        ext_idle_notifier_v1_destroy(watch.notifier);
    }
    if (watch.seat != nullptr) {
        wl_seat_destroy(watch.seat);
    }
    watch = IdleWatch();
}

int Gone(IdleWatch& watch) {
    std::fprintf(stderr, "altostrat: the compositor has gone\n");
    Release(watch);
    return 1;
}

}  // namespace

int RunIdleLoop(wl_display* display, int idleSeconds, const IdleFlight& fly) {
    IdleWatch watch;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &watch);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    if (!answered) {
        return Gone(watch);
    }
    if (watch.notifier == nullptr || watch.seat == nullptr) {
        std::fprintf(stderr,
                     "altostrat: this desktop does not tell programs when it is idle (it offers "
                     "no ext-idle-notify); let its idle tool start altostrat instead, for "
                     "example: swayidle -w timeout 600 'altostrat'\n");
        Release(watch);
        return 2;
    }
    const std::uint32_t milliseconds =
        static_cast<std::uint32_t>(std::clamp(idleSeconds, 1, 4000000)) * 1000u;
    watch.notification =
        ext_idle_notifier_v1_get_idle_notification(watch.notifier, milliseconds, watch.seat);
    ext_idle_notification_v1_add_listener(watch.notification, &kNotificationListener, &watch);
    const auto idle = [&watch] { return watch.idle; };
    const auto back = [&watch] { return !watch.idle; };
    for (;;) {
        WaitEnd wait = WaitFor(display, idle, -1);
        if (wait == WaitEnd::kReached) {
            wait = Fly(display, watch, fly);
        }
        if (wait == WaitEnd::kChildGone) {
            // The next flight waits for the user to come back, if this one ended without them
            // (its surfaces closed, it could not start, it was stopped alone), and to leave
            // again. A stop signal or the compositor's end that ended the flight ends this wait
            // too.
            wait = WaitFor(display, back, -1);
        }
        if (wait == WaitEnd::kStopSignal) {
            Release(watch);
            wl_display_flush(display);
            return 0;
        }
        if (wait == WaitEnd::kCompositorGone) {
            return Gone(watch);
        }
    }
}

}  // namespace altostrat
