#include "linux_program/wayland/capture/shot_pipe.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace altostrat {

void StartShotPipe(ShotPipe& pipe, std::size_t size) {
    pipe = ShotPipe();
    pipe.size = size;
    pipe.bytes.reserve(size);
}

bool ReadShotPipe(int fd, ShotPipe& pipe) {
    std::uint8_t chunk[65536];
    while (!pipe.ended && !pipe.overran && !pipe.failed) {
        // One byte past the size is asked for, so that a pipe that has more says so.
        const std::size_t room = pipe.size - pipe.bytes.size();
        const ssize_t n = read(fd, chunk, std::min(room + 1, sizeof chunk));
        if (n > 0) {
            const std::size_t kept = std::min(static_cast<std::size_t>(n), room);
            pipe.bytes.insert(pipe.bytes.end(), chunk, chunk + kept);
            pipe.overran = kept < static_cast<std::size_t>(n);
        } else if (n == 0) {
            pipe.ended = true;
        } else if (errno == EAGAIN || errno == EINTR) {
            return false;
        } else {
            pipe.failed = true;
        }
    }
    return true;
}

bool ShotPipeWhole(const ShotPipe& pipe) {
    return pipe.ended && !pipe.overran && !pipe.failed && pipe.bytes.size() == pipe.size;
}

}  // namespace altostrat
