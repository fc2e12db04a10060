#pragma once
// A photograph read from a pipe (KWin writes its screen's pixels into one while its answer on the
// bus says their size and layout), never further than a photograph can go. Until the size is
// known the pipe may give at most the largest photograph of the output (ShotMostBytes); once it is
// known, exactly that many bytes (stride x height). The memory for the most is taken once, before
// the first byte, and never grows: a writer that does not stop is read up to the size and then
// refused, instead of filling memory until something gives.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace altostrat {

struct ShotPipe {
    std::size_t most = 0;             // the bytes the pipe may give at most, as far as known
    std::vector<std::uint8_t> bytes;  // what it gave, its capacity taken once
    bool ended = false;               // the writer closed it
    bool overran = false;             // it gave more than MOST: refused
    bool failed = false;              // reading it failed
};

// Ready to read at most MOST bytes.
void StartShotPipe(ShotPipe& pipe, std::size_t most);

// The photograph's own size is known: no more than SIZE bytes may come (false, overran, when
// more already have, or SIZE is more than the most allowed before).
bool LimitShotPipe(ShotPipe& pipe, std::size_t size);

// Reads what FD (non-blocking) holds now, up to the most and one byte past it, which is refused.
// True once there is nothing more to wait for: ended, overran or failed.
bool ReadShotPipe(int fd, ShotPipe& pipe);

}  // namespace altostrat
