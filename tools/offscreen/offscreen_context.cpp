#include "tools/offscreen/offscreen_context.h"

#include <GL/osmesa.h>

// Mesa keeps a few allocations of its own until the process ends; the leak checker of the
// sanitizer builds is told to look past them, and only them.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\n";
}
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

namespace altostrat {

OffscreenContext::OffscreenContext(int width, int height)
    : width_(width), height_(height), buffer_(static_cast<size_t>(width) * height * 4) {
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 32, 0, 0, nullptr);
    if (context == nullptr) {
        return;
    }
    if (!OSMesaMakeCurrent(context, buffer_.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(context);
        return;
    }
    context_ = context;
}

OffscreenContext::~OffscreenContext() {
    if (context_ != nullptr) {
        OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
    }
}

std::vector<std::uint8_t> OffscreenContext::ReadRgbTopDown() const {
    glFinish();
    // OSMesa's buffer is bottom row first, as OpenGL counts rows.
    std::vector<std::uint8_t> rgb(static_cast<size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* src =
            buffer_.data() + static_cast<size_t>(height_ - 1 - y) * width_ * 4;
        std::uint8_t* dst = rgb.data() + static_cast<size_t>(y) * width_ * 3;
        for (int x = 0; x < width_; ++x) {
            dst[x * 3 + 0] = src[x * 4 + 0];
            dst[x * 3 + 1] = src[x * 4 + 1];
            dst[x * 3 + 2] = src[x * 4 + 2];
        }
    }
    return rgb;
}

}  // namespace altostrat
