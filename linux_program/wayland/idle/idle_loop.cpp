#include "linux_program/wayland/idle/idle_loop.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>

#include "ext-idle-notify-v1-client-protocol.h"
#include "linux_program/run/child_grace.h"
#include "linux_program/wayland/idle/flight_child.h"
#include "linux_program/wayland/idle/reconnect_schedule.h"
#include "linux_program/wayland/wait/display_wait.h"

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

// How a time of watching ended.
enum class IdleEnd { kChildGone, kStopped, kGone };

IdleEnd EndOf(WaitEnd wait) {
    return wait == WaitEnd::kStopped ? IdleEnd::kStopped : IdleEnd::kGone;
}

// One flight in a child, told when the user is back: kChildGone once it has ended (or, told, was
// killed for not ending in time), or how the wait ended (the child then stopped).
IdleEnd Fly(const DisplayWait& waiting, const IdleWatch& watch, const IdleFlight& fly) {
    FlightChild child;
    if (!StartFlightChild(waiting.display, fly, child)) {
        std::fprintf(stderr, "altostrat: no process for the flight\n");
        return IdleEnd::kChildGone;
    }
    DisplayWait wait = waiting;
    wait.other = child.socket;
    for (;;) {
        const WaitEnd end = WaitUntil(
            wait, [&watch, &child] { return !watch.idle && !child.told; }, ChildGoneBy(child));
        if (end == WaitEnd::kEvents) {
            TellUserBack(child);
        } else if (end == WaitEnd::kOther) {
            ReapFlightChild(child);
            return IdleEnd::kChildGone;
        } else if (end == WaitEnd::kTimedOut) {
            std::fprintf(stderr,
                         "altostrat: the flight did not end within %d s of the user's return; it "
                         "was killed\n",
                         static_cast<int>(kChildGraceMs / 1000));
            KillFlightChild(child);
            return IdleEnd::kChildGone;
        } else {
            StopFlightChild(child);
            return EndOf(end);
        }
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

enum class Watching { kWatching, kNoIdleNotify, kStopped, kGone };

// The idle notification asked for on DISPLAY; WATCH is left empty unless kWatching.
Watching Watch(wl_display* display, int stop, int idleSeconds, IdleWatch& watch) {
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &watch);
    const WaitEnd answer = Roundtrip({display, nullptr, stop}, NowMs() + kCompositorAnswerMs);
    wl_registry_destroy(registry);
    if (answer != WaitEnd::kEvents || watch.notifier == nullptr || watch.seat == nullptr) {
        Release(watch);
        return answer == WaitEnd::kStopped ? Watching::kStopped
               : CompositorLost(answer)    ? Watching::kGone
                                           : Watching::kNoIdleNotify;
    }
    const std::uint32_t milliseconds =
        static_cast<std::uint32_t>(std::clamp(idleSeconds, 1, 4000000)) * 1000u;
    watch.notification =
        ext_idle_notifier_v1_get_idle_notification(watch.notifier, milliseconds, watch.seat);
    ext_idle_notification_v1_add_listener(watch.notification, &kNotificationListener, &watch);
    return Watching::kWatching;
}

// Flights on WAIT's display whenever the seat is idle, until a stop or the connection's end.
IdleEnd WatchAndFly(const DisplayWait& wait, const IdleWatch& watch, const IdleFlight& fly) {
    const auto idle = [&watch] { return watch.idle; };
    const auto back = [&watch] { return !watch.idle; };
    for (;;) {
        const WaitEnd idled = WaitUntil(wait, idle, kNoDeadline);
        if (idled != WaitEnd::kEvents) {
            return EndOf(idled);
        }
        const IdleEnd flown = Fly(wait, watch, fly);
        if (flown != IdleEnd::kChildGone) {
            return flown;
        }
        // The next flight waits for the user to come back, if this one ended without them (its
        // surfaces closed, it could not start, it was stopped alone), and to leave again.
        const WaitEnd returned = WaitUntil(wait, back, kNoDeadline);
        if (returned != WaitEnd::kEvents) {
            return EndOf(returned);
        }
    }
}

// A new connection watching for idle, asked for on the schedule; nullptr on a stop or once the
// tries are over.
wl_display* Reconnect(int stop, int idleSeconds, IdleWatch& watch) {
    const std::int64_t lost = NowMs();
    for (int attempt = 0; ReconnectAttemptMs(attempt) >= 0; ++attempt) {
        if (WaitOnce({nullptr, nullptr, stop}, lost + ReconnectAttemptMs(attempt)) ==
            WaitEnd::kStopped) {
            return nullptr;
        }
        wl_display* display = wl_display_connect(nullptr);
        if (display == nullptr) {
            continue;
        }
        const Watching watching = Watch(display, stop, idleSeconds, watch);
        if (watching == Watching::kWatching) {
            std::fprintf(stderr, "altostrat: the compositor is back\n");
            return display;
        }
        wl_display_disconnect(display);
        if (watching == Watching::kStopped) {
            return nullptr;
        }
    }
    return nullptr;
}

}  // namespace

int RunIdleLoop(wl_display* display, int stop, int idleSeconds, const IdleFlight& fly) {
    IdleWatch watch;
    const Watching first = Watch(display, stop, idleSeconds, watch);
    if (first == Watching::kNoIdleNotify) {
        std::fprintf(stderr,
                     "altostrat: this desktop does not tell programs when it is idle (it offers "
                     "no ext-idle-notify); let its idle tool start altostrat instead, for "
                     "example: swayidle -w timeout 600 'altostrat'\n");
        return 2;
    }
    wl_display* own = nullptr;  // the connection made here once DISPLAY's broke
    IdleEnd end = first == Watching::kStopped ? IdleEnd::kStopped
                  : first == Watching::kGone  ? IdleEnd::kGone
                                              : WatchAndFly({display, nullptr, stop}, watch, fly);
    while (end == IdleEnd::kGone) {
        Release(watch);
        if (own != nullptr) {
            wl_display_disconnect(own);
        }
        std::fprintf(stderr, "altostrat: the compositor has gone; asking for it again for %d s\n",
                     static_cast<int>(kReconnectForMs / 1000));
        own = Reconnect(stop, idleSeconds, watch);
        if (own == nullptr) {
            if (DescriptorReady(stop)) {
                return 0;
            }
            std::fprintf(stderr, "altostrat: the compositor has not come back; --idle ends\n");
            return 1;
        }
        end = WatchAndFly({own, nullptr, stop}, watch, fly);
    }
    Release(watch);
    wl_display_flush(own != nullptr ? own : display);
    if (own != nullptr) {
        wl_display_disconnect(own);
    }
    return 0;
}

}  // namespace altostrat
