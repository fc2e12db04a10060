// The resident process in charge of its flight child, measured against a real child process: one
// that ignores SIGTERM (as one stuck in a driver or a roundtrip does) is gone, reaped, within 3 s
// of being stopped. The child reaches its "compositor" through WAYLAND_SOCKET, a socket pair's
// end, as a compositor hands a client its connection.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>

#include "linux_program/wayland/idle/flight_child.h"
#include "linux_program/wayland/idle/reconnect_schedule.h"

namespace altostrat {
namespace {

TEST(FlightChild, OneThatIgnoresSigtermIsGoneWithinThreeSeconds) {
    int waiting[2];
    int childs[2];
    int ready[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, waiting), 0);
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, childs), 0);
    ASSERT_EQ(pipe(ready), 0);
    wl_display* display = wl_display_connect_to_fd(waiting[0]);
    ASSERT_NE(display, nullptr);
    setenv("WAYLAND_SOCKET", std::to_string(childs[0]).c_str(), 1);
    const int readyEnd = ready[1];
    FlightChild child;
    ASSERT_TRUE(StartFlightChild(
        display,
        [readyEnd](wl_display*, const std::function<bool()>&) {
            signal(SIGTERM, SIG_IGN);
            EXPECT_EQ(write(readyEnd, "r", 1), 1);
            for (;;) {
                pause();
            }
        },
        child));
    unsetenv("WAYLAND_SOCKET");
    pollfd flying = {ready[0], POLLIN, 0};
    ASSERT_EQ(poll(&flying, 1, 60000), 1) << "the child never flew";

    // Should the child outlive its stop, it is ended here after a while, so that the test fails
    // on the time taken instead of waiting for ever.
    const pid_t pid = child.pid;
    std::promise<void> stopped;
    std::thread watchdog([pid, done = stopped.get_future()] {
        if (done.wait_for(std::chrono::seconds(8)) == std::future_status::timeout) {
            kill(pid, SIGKILL);
        }
    });
    const auto start = std::chrono::steady_clock::now();
    StopFlightChild(child);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - start)
                          .count();
    stopped.set_value();
    watchdog.join();
    EXPECT_LT(took, 3000) << "the child was let be for " << took << " ms";
    EXPECT_GE(took, kChildGraceMs - 50) << "the child was not given its time to end";
    EXPECT_EQ(kill(pid, 0), -1) << "the child is still there";
    EXPECT_EQ(errno, ESRCH) << "the child was not reaped";
    EXPECT_EQ(child.pid, -1);

    wl_display_disconnect(display);
    for (int fd : {waiting[1], childs[0], childs[1], ready[0], ready[1]}) {
        close(fd);
    }
}

TEST(ReconnectSchedule, SoonAtFirstThenEverySecondForThirtySeconds) {
    const struct {
        int attempt;
        std::int64_t atMs;
    } cases[] = {{0, 250},    {1, 500}, {2, 1000},  {3, 2000}, {4, 3000},
                 {31, 30000}, {32, -1}, {1000, -1}, {-1, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReconnectAttemptMs(c.attempt), c.atMs) << c.attempt;
    }
}

}  // namespace
}  // namespace altostrat
