#include "linux_program/wayland/layer_surfaces.h"

#include <wayland-client.h>

#include "fractional-scale-v1-client-protocol.h"
#include "linux_program/wayland/egl_outputs.h"
#include "linux_program/wayland/layer_shell_protocol.h"
#include "linux_program/wayland/surface_buffer.h"
#include "viewporter-client-protocol.h"

namespace altostrat {
namespace {

void OnConfigure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width,
                 uint32_t height) {
    auto& o = *static_cast<CoveredOutput*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    // Anchored to every edge, a size of 0 would mean "yours to choose": the output's own.
    const ScreenRect logical = LogicalRect(o.output);
    const int w = width > 0 ? static_cast<int>(width) : logical.Width();
    const int h = height > 0 ? static_cast<int>(height) : logical.Height();
    if (!o.configured || w != o.configuredWidth || h != o.configuredHeight) {
        o.resized = true;
    }
    o.configuredWidth = w;
    o.configuredHeight = h;
    o.configured = true;
}

void OnClosed(void* data, zwlr_layer_surface_v1*) {
    static_cast<CoveredOutput*>(data)->closed = true;
}

const zwlr_layer_surface_v1_listener kLayerListener = {OnConfigure, OnClosed};

void OnPreferredScale(void* data, wp_fractional_scale_v1*, uint32_t scale) {
    auto& o = *static_cast<CoveredOutput*>(data);
    if (static_cast<int>(scale) != o.fractional120) {
        o.fractional120 = static_cast<int>(scale);
        o.resized = true;
    }
}

const wp_fractional_scale_v1_listener kFractionalListener = {OnPreferredScale};

void OnFrameDone(void* data, wl_callback* callback, uint32_t) {
    auto& o = *static_cast<CoveredOutput*>(data);
    wl_callback_destroy(callback);
    if (o.frame == callback) {
        o.frame = nullptr;
    }
}

const wl_callback_listener kFrameListener = {OnFrameDone};

}  // namespace

bool CoverOutput(WaylandScreen& screen, CoveredOutput& output) {
    output.surface = wl_compositor_create_surface(screen.compositor);
    if (output.surface == nullptr) {
        return false;
    }
    if (screen.fractionalScaleManager != nullptr && screen.viewporter != nullptr) {
        output.fractional = wp_fractional_scale_manager_v1_get_fractional_scale(
            screen.fractionalScaleManager, output.surface);
        wp_fractional_scale_v1_add_listener(output.fractional, &kFractionalListener, &output);
        output.viewport = wp_viewporter_get_viewport(screen.viewporter, output.surface);
    }
    output.layer = zwlr_layer_shell_v1_get_layer_surface(
        screen.layerShell, output.surface, output.output.output, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY,
        "altostrat");
    zwlr_layer_surface_v1_add_listener(output.layer, &kLayerListener, &output);
    zwlr_layer_surface_v1_set_anchor(
        output.layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                          ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_exclusive_zone(output.layer, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        output.layer, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
    wl_surface_commit(output.surface);
    return true;
}

void SizeOutputBuffer(CoveredOutput& output) {
    const SurfaceBuffer buffer =
        DecideSurfaceBuffer(output.configuredWidth, output.configuredHeight, output.output.scale,
                            output.fractional120, output.viewport != nullptr);
    output.bufferWidth = buffer.width;
    output.bufferHeight = buffer.height;
    if (wl_surface_get_version(output.surface) >= WL_SURFACE_SET_BUFFER_SCALE_SINCE_VERSION) {
        wl_surface_set_buffer_scale(output.surface, buffer.bufferScale);
    }
    if (output.viewport != nullptr) {
        if (buffer.viewport) {
            wp_viewport_set_destination(output.viewport, output.configuredWidth,
                                        output.configuredHeight);
        } else {
            wp_viewport_set_destination(output.viewport, -1, -1);
        }
    }
    output.resized = false;
}

void AskFrame(CoveredOutput& output, std::int64_t nowMs) {
    if (output.frame != nullptr) {
        wl_callback_destroy(output.frame);
    }
    output.frame = wl_surface_frame(output.surface);
    wl_callback_add_listener(output.frame, &kFrameListener, &output);
    output.frameAskedMs = nowMs;
}

void UncoverOutput(WaylandScreen& screen, CoveredOutput& output) {
    ForgetOutputSurface(screen, output);
    if (output.frame != nullptr) {
        wl_callback_destroy(output.frame);
        output.frame = nullptr;
    }
    if (output.viewport != nullptr) {
        wp_viewport_destroy(output.viewport);
        output.viewport = nullptr;
    }
    if (output.fractional != nullptr) {
        wp_fractional_scale_v1_destroy(output.fractional);
        output.fractional = nullptr;
    }
    if (output.layer != nullptr) {
        zwlr_layer_surface_v1_destroy(output.layer);
        output.layer = nullptr;
    }
    if (output.surface != nullptr) {
        wl_surface_destroy(output.surface);
        output.surface = nullptr;
    }
    output.configured = false;
}

}  // namespace altostrat
