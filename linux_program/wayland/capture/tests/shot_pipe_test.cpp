// KWin's pipe read against a writer that does not stop, as a compositor gone wrong would be: the
// reader takes the photograph's size as its answer says it (stride x height) and not a byte more,
// in the memory it took at the start, and refuses the photograph.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#include <vector>

#include "linux_program/wayland/capture/shot_formats.h"
#include "linux_program/wayland/capture/shot_pipe.h"

namespace altostrat {
namespace {

// Reads FD until the reader is done (or a minute has passed).
void ReadToEnd(int fd, ShotPipe& pipe) {
    while (!ReadShotPipe(fd, pipe)) {
        pollfd readable = {fd, POLLIN, 0};
        ASSERT_EQ(poll(&readable, 1, 60000), 1);
    }
}

TEST(ShotPipe, AnEndlessWriterIsReadUpToTheAnswersSizeAndRefused) {
    signal(SIGPIPE, SIG_IGN);
    // A 640 x 480 screen, 4 bytes a pixel, answered as such.
    const std::int64_t size = ShotBytes(640, 480, 640 * 4, ShotFormat::kXrgb8888, 640);
    ASSERT_EQ(size, 640 * 480 * 4);
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
    std::atomic<long long> written{0};
    std::thread writer([&written, out = ends[1]] {
        fcntl(out, F_SETFL, 0);
        const std::vector<char> block(65536, 'x');
        ssize_t n = 0;
        while ((n = write(out, block.data(), block.size())) > 0) {
            written += n;
        }
        close(out);
    });
    ShotPipe pipe;
    StartShotPipe(pipe, static_cast<std::size_t>(size));
    const std::size_t reserved = pipe.bytes.capacity();
    ReadToEnd(ends[0], pipe);
    close(ends[0]);  // the writer's next write fails, and it ends
    writer.join();

    EXPECT_TRUE(pipe.overran);
    EXPECT_FALSE(ShotPipeWhole(pipe));
    EXPECT_EQ(pipe.bytes.size(), static_cast<std::size_t>(size));
    EXPECT_EQ(pipe.bytes.capacity(), reserved) << "the memory grew";
    EXPECT_GT(written.load(), size);
    EXPECT_LT(written.load(), size + (1 << 20)) << "read on past the size";

    // A writer that gives exactly the size and ends gives the photograph whole; one that ends
    // short does not.
    for (const std::size_t given : {500, 499}) {
        ASSERT_EQ(pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
        ASSERT_EQ(write(ends[1], std::vector<char>(given, 'x').data(), given),
                  static_cast<ssize_t>(given));
        close(ends[1]);
        ShotPipe whole;
        StartShotPipe(whole, 500);
        ReadToEnd(ends[0], whole);
        close(ends[0]);
        EXPECT_EQ(ShotPipeWhole(whole), given == 500) << given;
    }
}

}  // namespace
}  // namespace altostrat
