#include "linux_program/wayland/idle/flight_child.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstdio>

#include "linux_program/wayland/wait/display_wait.h"

namespace altostrat {
namespace {

[[noreturn]] void FlyInChild(wl_display* waiting, int socket, const IdleFlight& fly) {
    // The waiting process's connection is its own: the child only lets go of its copy.
    close(wl_display_get_fd(waiting));
    wl_display* display = wl_display_connect(nullptr);
    if (display != nullptr) {
        fly(display, [socket] {
            pollfd fd = {socket, POLLIN, 0};
            return poll(&fd, 1, 0) > 0;  // a byte, or the waiting process gone
        });
        wl_display_disconnect(display);
    }
    std::fflush(nullptr);
    _exit(0);
}

}  // namespace

bool StartFlightChild(wl_display* waiting, const IdleFlight& fly, FlightChild& child) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        return false;
    }
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        FlyInChild(waiting, ends[1], fly);
    }
    close(ends[1]);
    if (pid < 0) {
        close(ends[0]);
        return false;
    }
    child = FlightChild();
    child.pid = pid;
    child.socket = ends[0];
    return true;
}

void TellUserBack(FlightChild& child) {
    if (!child.told) {
        const char back = 1;
        // Not a signal if the child has just gone: its end is read as gone anyway.
        child.told = send(child.socket, &back, 1, MSG_NOSIGNAL) == 1 || errno == EPIPE;
        child.toldAtMs = NowMs();
    }
}

std::int64_t ChildGoneBy(const FlightChild& child) {
    return child.told ? child.toldAtMs + kChildGraceMs : kNoDeadline;
}

void ReapFlightChild(FlightChild& child) {
    while (waitpid(child.pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    close(child.socket);
    child = FlightChild();
}

void KillFlightChild(FlightChild& child) {
    kill(child.pid, SIGKILL);
    ReapFlightChild(child);
}

void StopFlightChild(FlightChild& child) {
    kill(child.pid, SIGTERM);
    // The stop descriptor is left out: the waiting process's own stop is often why.
    if (WaitOnce({nullptr, nullptr, -1, child.socket}, NowMs() + kChildGraceMs) ==
        WaitEnd::kOther) {
        ReapFlightChild(child);
    } else {
        KillFlightChild(child);
    }
}

}  // namespace altostrat
