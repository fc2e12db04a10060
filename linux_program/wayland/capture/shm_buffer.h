#pragma once
// A buffer in shared memory for the compositor to copy an output into, and laid into the
// desktop's picture once the copy has come. The memory is an anonymous file (memfd): nothing of
// the photograph is ever on disk. The compositor holds the file too, and a file made shorter
// under a mapping kills its reader (SIGBUS) at the first page past the end: the file is sealed
// against shrinking before the compositor is given it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/picture_layout.h"
#include "common/screen_rect.h"

struct wl_shm;
struct wl_buffer;

namespace altostrat {

struct ShmBuffer {
    wl_buffer* buffer = nullptr;
    std::uint8_t* data = nullptr;
    std::size_t size = 0;
    int width = 0;
    int height = 0;
    int stride = 0;
    std::uint32_t format = 0;  // wl_shm's
};

// A WIDTH x HEIGHT buffer of STRIDE bytes a line in wl_shm format FORMAT; false when the sizes
// are refused (ShotBytes, and a pool's signed 32-bit size) or the memory cannot be had.
bool MakeShmBuffer(wl_shm* shm, int width, int height, std::int64_t stride, std::uint32_t format,
                   ShmBuffer& buffer);

void FreeShmBuffer(ShmBuffer& buffer);

// The copy in BUFFER, upright, into AREA of CANVAS (see LayShot); false with a few words in
// ERROR when it cannot be laid.
bool LayCopy(const ShmBuffer& buffer, bool yInverted, int transform, const ScreenRect& area,
             RgbPicture& canvas, std::string& error);

}  // namespace altostrat
