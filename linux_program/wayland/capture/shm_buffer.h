#pragma once
// A buffer in shared memory for the compositor to copy an output into. The memory is an
// anonymous file (memfd): nothing of the photograph is ever on disk.

#include <cstddef>
#include <cstdint>

struct wl_shm;
struct wl_buffer;

namespace altostrat {

struct ShmBuffer {
    wl_buffer* buffer = nullptr;
    std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// A WIDTH x HEIGHT buffer of STRIDE bytes a line in wl_shm format FORMAT; false when the
// memory cannot be had.
bool MakeShmBuffer(wl_shm* shm, int width, int height, int stride, std::uint32_t format,
                   ShmBuffer& buffer);

void FreeShmBuffer(ShmBuffer& buffer);

}  // namespace altostrat
