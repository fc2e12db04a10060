// The one wait against libwayland itself, over a socket pair whose other end plays the compositor:
// silent, answering every sync request as a compositor does (wl_callback.done, then
// wl_display.delete_id), or gone. The stop signals are the program's own handler (run/), raised
// at the moment that loses them to a wait that only looks at the flag: after the look, before the
// poll.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <future>
#include <thread>
#include <vector>

#include "linux_program/run/stop_signals.h"
#include "linux_program/wayland/wait/display_wait.h"

namespace altostrat {
namespace {

// A client connection, and the compositor's end of it.
struct Connection {
    Connection() {
        int ends[2];
        EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends), 0);
        compositor = ends[1];
        display = wl_display_connect_to_fd(ends[0]);
        EXPECT_NE(display, nullptr);
    }
    ~Connection() {
        wl_display_disconnect(display);
        close(compositor);
    }
    wl_display* display = nullptr;
    int compositor = -1;
};

void Put(std::vector<std::uint32_t>& out, std::uint32_t object, std::uint32_t opcode,
         std::uint32_t argument) {
    out.insert(out.end(), {object, 12u << 16 | opcode, argument});
}

// The compositor's part until the client hangs up: every wl_display.sync (object 1, request 0)
// answered.
void AnswerSyncs(int compositor) {
    std::vector<std::uint32_t> in;
    std::uint32_t chunk[64];
    ssize_t n = 0;
    while ((n = read(compositor, chunk, sizeof chunk)) > 0) {
        in.insert(in.end(), chunk, chunk + n / 4);
        std::vector<std::uint32_t> out;
        while (in.size() >= 2 && in.size() >= (in[1] >> 16) / 4) {
            const std::size_t words = (in[1] >> 16) / 4;
            if (in[0] == 1 && (in[1] & 0xFFFF) == 0) {
                Put(out, in[2], 0, 0);  // wl_callback.done
                Put(out, 1, 1, in[2]);  // wl_display.delete_id
            }
            in.erase(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(words));
        }
        if (write(compositor, out.data(), out.size() * 4) < 0) {
            return;
        }
    }
}

TEST(DisplayWait, ARoundtripEndsAtItsAnswerItsDeadlineOrABrokenConnection) {
    Connection c;
    const DisplayWait wait = {c.display, nullptr, -1, -1};
    // A compositor that does not answer keeps no one past the deadline.
    const std::int64_t deadline = NowMs() + 200;
    EXPECT_EQ(Roundtrip(wait, deadline), WaitEnd::kTimedOut);
    EXPECT_GE(NowMs(), deadline);
    EXPECT_EQ(WaitOnce(wait, NowMs()), WaitEnd::kTimedOut);

    std::thread compositor(AnswerSyncs, c.compositor);
    EXPECT_EQ(Roundtrip(wait, NowMs() + 10000), WaitEnd::kEvents);
    // The same on a queue of its own, as the photograph waits.
    wl_event_queue* queue = wl_display_create_queue(c.display);
    EXPECT_EQ(Roundtrip({c.display, queue, -1, -1}, NowMs() + 10000), WaitEnd::kEvents);
    wl_event_queue_destroy(queue);

    // The caller's other descriptor ends a wait with no deadline.
    int other[2];
    ASSERT_EQ(pipe(other), 0);
    ASSERT_EQ(write(other[1], "x", 1), 1);
    EXPECT_EQ(WaitOnce({c.display, nullptr, -1, other[0]}, kNoDeadline), WaitEnd::kOther);
    EXPECT_EQ(WaitOnce({nullptr, nullptr, -1, other[0]}, kNoDeadline), WaitEnd::kOther);
    close(other[0]);
    close(other[1]);

    // The compositor gone.
    shutdown(c.compositor, SHUT_RDWR);
    compositor.join();
    EXPECT_TRUE(CompositorLost(WaitOnce(wait, kNoDeadline)));
    EXPECT_EQ(Roundtrip(wait, kNoDeadline), WaitEnd::kBroken);
}

TEST(DisplayWait, AStopSignalLandingJustBeforeTheWaitEndsItAtOnce) {
    InstallStopSignals();
    // A child of a fork (--idle's flight) hears only its own signals, also one that came before
    // it first asked for its descriptor; its parent hears none of them.
    const pid_t child = fork();
    if (child == 0) {
        raise(SIGTERM);
        _exit(DescriptorReady(StopDescriptor()) ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the child's descriptor missed its signal";
    EXPECT_FALSE(DescriptorReady(StopDescriptor())) << "the parent heard its child's signal";

    Connection c;
    // Should the wait miss the stop, the compositor hangs up after a while: the wait then ends
    // broken, and the test fails instead of waiting for ever.
    std::promise<void> ended;
    std::thread watchdog([&c, done = ended.get_future()] {
        if (done.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            shutdown(c.compositor, SHUT_RDWR);
        }
    });
    ASSERT_FALSE(StopSignalled());
    raise(SIGTERM);  // after the caller's look at the flag, before its wait
    const DisplayWait wait = {c.display, nullptr, StopDescriptor(), -1};
    EXPECT_EQ(WaitOnce(wait, kNoDeadline), WaitEnd::kStopped);
    EXPECT_EQ(Roundtrip(wait, kNoDeadline), WaitEnd::kStopped);
    EXPECT_EQ(WaitOnce({nullptr, nullptr, StopDescriptor(), -1}, NowMs() + 10000),
              WaitEnd::kStopped);
    EXPECT_FALSE(CompositorLost(WaitEnd::kStopped));
    ended.set_value();
    watchdog.join();
}

}  // namespace
}  // namespace altostrat
