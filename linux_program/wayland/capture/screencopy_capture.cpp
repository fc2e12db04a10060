#include <wayland-client.h>

#include <cstdio>

#include "linux_program/wayland/capture/output_capture.h"
#include "linux_program/wayland/capture/shm_buffer.h"
#include "wlr-screencopy-unstable-v1-client-protocol.h"

namespace altostrat {
namespace {

// A frame answers within a frame or two of the output's; an output that is off may not answer.
constexpr int kCopyMs = 3000;

struct Frame {
    bool gotBuffer = false;
    bool buffersDone = false;
    bool ready = false;
    bool failed = false;
    std::uint32_t format = 0;
    int width = 0;
    int height = 0;
    std::int64_t stride = 0;
    std::uint32_t flags = 0;
};

Frame& FrameOf(void* data) {
    return *static_cast<Frame*>(data);
}

void OnBuffer(void* data, zwlr_screencopy_frame_v1*, uint32_t format, uint32_t width,
              uint32_t height, uint32_t stride) {
    Frame& f = FrameOf(data);
    f.gotBuffer = true;
    f.format = format;
    f.width = static_cast<int>(width);
    f.height = static_cast<int>(height);
    f.stride = stride;
}

void OnFlags(void* data, zwlr_screencopy_frame_v1*, uint32_t flags) {
    FrameOf(data).flags = flags;
}

void OnReady(void* data, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {
    FrameOf(data).ready = true;
}

void OnFailed(void* data, zwlr_screencopy_frame_v1*) {
    FrameOf(data).failed = true;
}

void OnDamage(void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t, uint32_t) {}

void OnDmabuf(void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {}

void OnBufferDone(void* data, zwlr_screencopy_frame_v1*) {
    FrameOf(data).buffersDone = true;
}

const zwlr_screencopy_frame_v1_listener kFrameListener = {OnBuffer, OnFlags,  OnReady,     OnFailed,
                                                          OnDamage, OnDmabuf, OnBufferDone};

std::string FormatWord(std::uint32_t format) {
    char text[40];
    std::snprintf(text, sizeof text, "pixel format 0x%08x not taken", format);
    return text;
}

}  // namespace

bool ScreencopyOutput(CaptureGlobals& g, const WaylandOutput& output, const ScreenRect& area,
                      RgbPicture& canvas, std::string& error) {
    Frame frame;
    zwlr_screencopy_frame_v1* proxy =
        zwlr_screencopy_manager_v1_capture_output(g.screencopy, 0, output.output);
    zwlr_screencopy_frame_v1_add_listener(proxy, &kFrameListener, &frame);
    // Before version 3 the one buffer event is all there is to wait for.
    const bool oldFrame = g.screencopyVersion < 3;
    WaitForCapture(
        g,
        [&frame, oldFrame] {
            return frame.failed || frame.buffersDone || (oldFrame && frame.gotBuffer);
        },
        kCopyMs);
    ShmBuffer buffer;
    const ShotFormat format = ShotFormatFromShm(frame.format);
    if (frame.failed || !frame.gotBuffer) {
        error = "the compositor offered no buffer to copy into";
    } else if (format == ShotFormat::kUnknown) {
        error = FormatWord(frame.format);
    } else if (!MakeShmBuffer(g.shm, frame.width, frame.height, frame.stride, frame.format,
                              buffer)) {
        error = "no shared memory for the copy";
    } else {
        zwlr_screencopy_frame_v1_copy(proxy, buffer.buffer);
        WaitForCapture(
            g, [&frame] { return frame.ready || frame.failed; }, kCopyMs);
        if (!frame.ready) {
            error = frame.failed ? "the copy failed" : "no copy came";
        }
    }
    const bool laid =
        frame.ready && LayCopy(buffer, (frame.flags & ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT) != 0,
                               output.transform, area, canvas, error);
    zwlr_screencopy_frame_v1_destroy(proxy);
    FreeShmBuffer(buffer);
    return laid;
}

}  // namespace altostrat
