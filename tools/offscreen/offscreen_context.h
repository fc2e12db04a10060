#pragma once
// A current OpenGL context with no window, for tests and the inspection tool on Linux: Mesa's
// offscreen renderer drawing into memory owned here, RGBA with a 32-bit depth buffer like the
// renderer's window.

#include <cstdint>
#include <memory>
#include <vector>

namespace altostrat {

class OffscreenContext {
  public:
    // Creates the context and makes it current; Valid() tells whether that worked.
    OffscreenContext(int width, int height);
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    bool Valid() const { return context_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The colour buffer as RGB bytes, top row first (glFinish first).
    std::vector<std::uint8_t> ReadRgbTopDown() const;

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> buffer_;
    void* context_ = nullptr;
};

}  // namespace altostrat
