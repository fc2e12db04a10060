#pragma once
// A photograph read from a pipe (KWin writes its screen's pixels into one once its answer on the
// bus has said their size and layout), never further than its size: the memory for exactly
// stride x height bytes is taken once, before the first byte is read, and never grows. A writer
// that gives more, or does not stop, is read up to the size and then refused, instead of filling
// memory until something gives.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace altostrat {

struct ShotPipe {
    std::size_t size = 0;             // the bytes the photograph fills
    std::vector<std::uint8_t> bytes;  // what the pipe gave, its memory taken once
    bool ended = false;               // the writer closed it
    bool overran = false;             // it gave more than SIZE: refused
    bool failed = false;              // reading it failed
};

// Ready to read a photograph of SIZE bytes.
void StartShotPipe(ShotPipe& pipe, std::size_t size);

// Reads what FD (non-blocking) holds now, up to the size and one byte past it, which is refused.
// True once there is nothing more to wait for: ended, overran or failed.
bool ReadShotPipe(int fd, ShotPipe& pipe);

// Whether the pipe gave the photograph whole, and not a byte more.
bool ShotPipeWhole(const ShotPipe& pipe);

}  // namespace altostrat
