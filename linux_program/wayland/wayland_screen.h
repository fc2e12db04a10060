#pragma once
// What the flight holds of a Wayland compositor: the globals it binds, every output with the
// layer surface that covers it, the seat's keyboard and pointer, and the EGL context every
// surface is drawn with. One struct for a flight, made afresh for each (the idle loop flies
// many over one connection), passed by reference to the files that fill it.

#include <EGL/egl.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "linux_program/wayland/output/wayland_output.h"

struct wl_callback;
struct wl_compositor;
struct wl_display;
struct wl_egl_window;
struct wl_keyboard;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_surface;
struct wp_fractional_scale_manager_v1;
struct wp_fractional_scale_v1;
struct wp_viewport;
struct wp_viewporter;
struct zwlr_layer_shell_v1;
struct zwlr_output_power_manager_v1;
struct zwlr_output_power_v1;
struct zwlr_layer_surface_v1;
struct zxdg_output_manager_v1;

namespace altostrat {

struct WaylandScreen;

// One output, as the compositor describes it, and the layer surface that covers it.
struct CoveredOutput {
    WaylandScreen* screen = nullptr;
    WaylandOutput output;
    bool gone = false;  // the compositor took the output away
    // Where the compositor tells the outputs' power (wlroots' output power management): off,
    // the output is not drawn, though the compositor may still answer its frame callbacks.
    zwlr_output_power_v1* power = nullptr;
    bool poweredOff = false;

    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer = nullptr;
    wp_viewport* viewport = nullptr;
    wp_fractional_scale_v1* fractional = nullptr;
    int fractional120 = 0;  // the preferred scale in 120ths; 0 before one is told
    int configuredWidth = 0;
    int configuredHeight = 0;
    bool configured = false;
    bool resized = false;  // the buffer's size or scale is to be set afresh before drawing
    bool closed = false;   // the compositor closed the layer surface
    wl_egl_window* eglWindow = nullptr;
    EGLSurface eglSurface = EGL_NO_SURFACE;
    int bufferWidth = 0;
    int bufferHeight = 0;
    wl_callback* frame = nullptr;  // asked with the picture presented last
    std::int64_t frameAskedMs = 0;
    int flightIndex = -1;  // with --each-monitor, the flight it shows
};

struct WaylandInput {
    wl_seat* seat = nullptr;
    std::uint32_t seatName = 0;
    wl_keyboard* keyboard = nullptr;
    wl_pointer* pointer = nullptr;
    CoveredOutput* pointerOutput = nullptr;  // the output whose surface the pointer is over
    bool anchored = false;                   // where the pointer was first seen, logical
    double anchorX = 0.0;
    double anchorY = 0.0;
    CoveredOutput* keyboardOutput = nullptr;  // the output whose surface has the keyboard
    bool userBack = false;  // a key, a button, or the pointer moved beyond a few pixels
};

struct WaylandEgl {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLConfig config = nullptr;
    EGLContext context = EGL_NO_CONTEXT;
};

struct WaylandScreen {
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    zxdg_output_manager_v1* xdgOutputManager = nullptr;
    wp_viewporter* viewporter = nullptr;
    wp_fractional_scale_manager_v1* fractionalScaleManager = nullptr;
    zwlr_output_power_manager_v1* powerManager = nullptr;
    std::vector<std::unique_ptr<CoveredOutput>> outputs;
    WaylandInput input;
    WaylandEgl egl;
    bool outputsChanged = false;  // an output came or went since the loop last looked
    bool broken = false;          // the connection to the compositor is gone
};

}  // namespace altostrat
