#include <wayland-client.h>

#include <vector>

#include "ext-image-capture-source-v1-client-protocol.h"
#include "ext-image-copy-capture-v1-client-protocol.h"
#include "linux_program/wayland/capture/output_capture.h"
#include "linux_program/wayland/capture/shm_buffer.h"

namespace altostrat {
namespace {

constexpr int kCopyMs = 3000;

struct Session {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> formats;
    bool done = false;
    bool stopped = false;
};

struct Frame {
    int transform = kTransformNormal;
    bool ready = false;
    bool failed = false;
};

Session& SessionOf(void* data) {
    return *static_cast<Session*>(data);
}

Frame& FrameOf(void* data) {
    return *static_cast<Frame*>(data);
}

void OnBufferSize(void* data, ext_image_copy_capture_session_v1*, uint32_t width, uint32_t height) {
    SessionOf(data).width = static_cast<int>(width);
    SessionOf(data).height = static_cast<int>(height);
}

void OnShmFormat(void* data, ext_image_copy_capture_session_v1*, uint32_t format) {
    SessionOf(data).formats.push_back(format);
}

void OnDmabufDevice(void*, ext_image_copy_capture_session_v1*, wl_array*) {}

void OnDmabufFormat(void*, ext_image_copy_capture_session_v1*, uint32_t, wl_array*) {}

void OnSessionDone(void* data, ext_image_copy_capture_session_v1*) {
    SessionOf(data).done = true;
}

void OnStopped(void* data, ext_image_copy_capture_session_v1*) {
    SessionOf(data).stopped = true;
}

const ext_image_copy_capture_session_v1_listener kSessionListener = {
    OnBufferSize, OnShmFormat, OnDmabufDevice, OnDmabufFormat, OnSessionDone, OnStopped};

void OnTransform(void* data, ext_image_copy_capture_frame_v1*, uint32_t transform) {
    FrameOf(data).transform = static_cast<int>(transform);
}

void OnDamage(void*, ext_image_copy_capture_frame_v1*, int32_t, int32_t, int32_t, int32_t) {}

void OnPresentationTime(void*, ext_image_copy_capture_frame_v1*, uint32_t, uint32_t, uint32_t) {}

void OnReady(void* data, ext_image_copy_capture_frame_v1*) {
    FrameOf(data).ready = true;
}

void OnFailed(void* data, ext_image_copy_capture_frame_v1*, uint32_t) {
    FrameOf(data).failed = true;
}

const ext_image_copy_capture_frame_v1_listener kFrameListener = {
    OnTransform, OnDamage, OnPresentationTime, OnReady, OnFailed};

// The offered format to copy into: 8 bits a channel where offered (the picture keeps no more),
// else the first one taken.
std::uint32_t ChooseFormat(const std::vector<std::uint32_t>& formats, bool& found) {
    found = false;
    std::uint32_t chosen = 0;
    for (std::uint32_t format : formats) {
        const ShotFormat shot = ShotFormatFromShm(format);
        if (shot == ShotFormat::kXrgb8888 || shot == ShotFormat::kXbgr8888) {
            found = true;
            return format;
        }
        if (!found && shot != ShotFormat::kUnknown) {
            found = true;
            chosen = format;
        }
    }
    return chosen;
}

}  // namespace

bool ImageCopyOutput(CaptureGlobals& g, const WaylandOutput& output, const ScreenRect& area,
                     RgbPicture& canvas, std::string& error) {
    ext_image_capture_source_v1* source =
        ext_output_image_capture_source_manager_v1_create_source(g.outputSources, output.output);
    ext_image_copy_capture_session_v1* session =
        ext_image_copy_capture_manager_v1_create_session(g.imageCopy, source, 0);
    Session constraints;
    ext_image_copy_capture_session_v1_add_listener(session, &kSessionListener, &constraints);
    WaitForCapture(
        g, [&constraints] { return constraints.done || constraints.stopped; }, kCopyMs);
    bool found = false;
    const std::uint32_t format = ChooseFormat(constraints.formats, found);
    ShmBuffer buffer;
    Frame frame;
    ext_image_copy_capture_frame_v1* proxy = nullptr;
    if (!constraints.done || constraints.stopped) {
        error = "the capture session did not start";
    } else if (!found) {
        error = "no pixel format offered is taken";
    } else if (!MakeShmBuffer(g.shm, constraints.width, constraints.height,
                              ShotRowBytes(constraints.width, ShotFormatFromShm(format)), format,
                              buffer)) {
        error = "no shared memory for the copy";
    } else {
        proxy = ext_image_copy_capture_session_v1_create_frame(session);
        ext_image_copy_capture_frame_v1_add_listener(proxy, &kFrameListener, &frame);
        ext_image_copy_capture_frame_v1_attach_buffer(proxy, buffer.buffer);
        ext_image_copy_capture_frame_v1_damage_buffer(proxy, 0, 0, constraints.width,
                                                      constraints.height);
        ext_image_copy_capture_frame_v1_capture(proxy);
        WaitForCapture(
            g, [&frame] { return frame.ready || frame.failed; }, kCopyMs);
        if (!frame.ready) {
            error = frame.failed ? "the copy failed" : "no copy came";
        }
    }
    const bool laid = frame.ready && LayCopy(buffer, false, frame.transform, area, canvas, error);
    if (proxy != nullptr) {
        ext_image_copy_capture_frame_v1_destroy(proxy);
    }
    ext_image_copy_capture_session_v1_destroy(session);
    ext_image_capture_source_v1_destroy(source);
    FreeShmBuffer(buffer);
    return laid;
}

}  // namespace altostrat
