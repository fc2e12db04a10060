#include "linux_program/wayland/output/wayland_output.h"

#include <wayland-client.h>

#include <algorithm>

#include "xdg-output-unstable-v1-client-protocol.h"

namespace altostrat {
namespace {

WaylandOutput& OutputOf(void* data) {
    return *static_cast<WaylandOutput*>(data);
}

void OnGeometry(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t,
                const char*, const char*, int32_t transform) {
    WaylandOutput& o = OutputOf(data);
    o.x = x;
    o.y = y;
    o.transform = transform;
}

void OnMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height,
            int32_t refresh) {
    if ((flags & WL_OUTPUT_MODE_CURRENT) != 0) {
        WaylandOutput& o = OutputOf(data);
        o.modeWidth = width;
        o.modeHeight = height;
        o.refreshMilliHz = refresh;
    }
}

void OnDone(void* data, wl_output*) {
    WaylandOutput& o = OutputOf(data);
    const bool first = !o.described;
    o.described = true;
    if (o.onDescribed) {
        o.onDescribed(first);
    }
}

void OnScale(void* data, wl_output*, int32_t factor) {
    OutputOf(data).scale = factor;
}

void OnName(void* data, wl_output*, const char* name) {
    OutputOf(data).name = name;
}

void OnDescription(void*, wl_output*, const char*) {}

const wl_output_listener kOutputListener = {OnGeometry, OnMode, OnDone,
                                            OnScale,    OnName, OnDescription};

void OnLogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
    ScreenRect& r = OutputOf(data).xdgLogical;
    r = ScreenRect{x, y, x + r.Width(), y + r.Height()};
}

void OnLogicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height) {
    WaylandOutput& o = OutputOf(data);
    o.xdgLogical.right = o.xdgLogical.left + width;
    o.xdgLogical.bottom = o.xdgLogical.top + height;
    o.xdgSized = width > 0 && height > 0;
}

void OnXdgDone(void*, zxdg_output_v1*) {}

// Before wl_output's version 4 the connector's name comes only from here.
void OnXdgName(void* data, zxdg_output_v1*, const char* name) {
    if (OutputOf(data).name.empty()) {
        OutputOf(data).name = name;
    }
}

void OnXdgDescription(void*, zxdg_output_v1*, const char*) {}

const zxdg_output_v1_listener kXdgOutputListener = {OnLogicalPosition, OnLogicalSize, OnXdgDone,
                                                    OnXdgName, OnXdgDescription};

}  // namespace

void DescribeOutput(WaylandOutput& output, wl_registry* registry, std::uint32_t name,
                    std::uint32_t version) {
    output.globalName = name;
    output.output = static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface,
                                                             std::min<std::uint32_t>(version, 4)));
    wl_output_add_listener(output.output, &kOutputListener, &output);
}

void DescribeLogicalPlace(WaylandOutput& output, zxdg_output_manager_v1* manager) {
    if (manager != nullptr && output.xdgOutput == nullptr) {
        output.xdgOutput = zxdg_output_manager_v1_get_xdg_output(manager, output.output);
        zxdg_output_v1_add_listener(output.xdgOutput, &kXdgOutputListener, &output);
    }
}

void ReleaseWaylandOutput(WaylandOutput& output) {
    if (output.xdgOutput != nullptr) {
        zxdg_output_v1_destroy(output.xdgOutput);
        output.xdgOutput = nullptr;
    }
    if (output.output != nullptr) {
        if (wl_output_get_version(output.output) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
            wl_output_release(output.output);
        } else {
            wl_output_destroy(output.output);
        }
        output.output = nullptr;
    }
}

ScreenRect LogicalRect(const WaylandOutput& output) {
    return output.xdgSized ? output.xdgLogical
                           : LogicalFromMode(output.x, output.y, output.modeWidth,
                                             output.modeHeight, output.scale, output.transform);
}

}  // namespace altostrat
