#include "linux_program/wayland/capture/shm_buffer.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdint>

#include "linux_program/wayland/capture/shot_formats.h"
#include "linux_program/wayland/capture/shots_layout.h"

namespace altostrat {

bool MakeShmBuffer(wl_shm* shm, int width, int height, std::int64_t stride, std::uint32_t format,
                   ShmBuffer& buffer) {
    const std::int64_t bytes = ShotBytes(width, height, stride, ShotFormatFromShm(format), 0);
    if (bytes == 0 || bytes > INT32_MAX) {
        return false;  // wl_shm pools are sized in a signed 32-bit number
    }
    const auto size = static_cast<std::size_t>(bytes);
    const int fd = memfd_create("altostrat-photograph", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0) {
        return false;
    }
    void* data = MAP_FAILED;
    if (ftruncate(fd, static_cast<off_t>(size)) == 0 &&
        fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_SEAL) == 0) {
        data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    }
    if (data == MAP_FAILED) {
        close(fd);
        return false;
    }
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(size));
    buffer.buffer = wl_shm_pool_create_buffer(pool, 0, width, height,
                                              static_cast<std::int32_t>(stride), format);
    wl_shm_pool_destroy(pool);
    close(fd);
    buffer.data = static_cast<std::uint8_t*>(data);
    buffer.size = size;
    buffer.width = width;
    buffer.height = height;
    buffer.stride = static_cast<int>(stride);
    buffer.format = format;
    return true;
}

void FreeShmBuffer(ShmBuffer& buffer) {
    if (buffer.buffer != nullptr) {
        wl_buffer_destroy(buffer.buffer);
    }
    if (buffer.data != nullptr) {
        munmap(buffer.data, buffer.size);
    }
    buffer = ShmBuffer();
}

bool LayCopy(const ShmBuffer& buffer, bool yInverted, int transform, const ScreenRect& area,
             RgbPicture& canvas, std::string& error) {
    ShotPixels shot;
    shot.width = buffer.width;
    shot.height = buffer.height;
    shot.data = buffer.data;
    shot.size = buffer.size;
    shot.stride = static_cast<std::size_t>(buffer.stride);
    shot.format = ShotFormatFromShm(buffer.format);
    shot.yInverted = yInverted;
    shot.transform = transform;
    if (!LayShot(shot, area, canvas)) {
        error = "the copy does not hold its size";
        return false;
    }
    return true;
}

}  // namespace altostrat
