#pragma once
// What the compositor offers for photographing its outputs, gathered on the photograph's own
// event queue: the copy protocols, shared memory, whether it is KWin, and each output described
// as the flight describes it (output/wayland_output.h).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/screen_rect.h"
#include "linux_program/wayland/capture/capture_order.h"
#include "linux_program/wayland/capture/shots_layout.h"
#include "linux_program/wayland/output/wayland_output.h"
#include "linux_program/wayland/wait/display_wait.h"

struct wl_display;
struct wl_event_queue;
struct wl_proxy;
struct wl_registry;
struct wl_shm;
struct zxdg_output_manager_v1;
struct zwlr_screencopy_manager_v1;
struct ext_image_copy_capture_manager_v1;
struct ext_output_image_capture_source_manager_v1;

namespace altostrat {

struct CaptureGlobals {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_proxy* wrapper = nullptr;  // the display, on QUEUE
    wl_registry* registry = nullptr;
    wl_shm* shm = nullptr;
    zxdg_output_manager_v1* xdgOutputs = nullptr;
    zwlr_screencopy_manager_v1* screencopy = nullptr;
    std::uint32_t screencopyVersion = 0;
    ext_image_copy_capture_manager_v1* imageCopy = nullptr;
    ext_output_image_capture_source_manager_v1* outputSources = nullptr;
    bool kde = false;
    std::vector<std::unique_ptr<WaylandOutput>> outputs;  // listeners hold their addresses
    int stop = -1;  // the stop descriptor (wait/display_wait.h); -1: none
};

// Binds the globals on a new queue of DISPLAY's and waits for every output's description.
// False when the compositor does not answer within seconds, or on a stop or a broken
// connection; what was bound is released by ReleaseCaptureGlobals all the same.
bool GatherCaptureGlobals(wl_display* display, int stop, CaptureGlobals& globals);

void ReleaseCaptureGlobals(CaptureGlobals& globals);

CaptureOffers OffersOf(const CaptureGlobals& globals, bool sessionBus);

// The output's place in the layout and its physical size upright.
OutputPlace PlaceOf(const WaylandOutput& output);

// Waits on the globals' queue until DONE, for at most TIMEOUT_MS; see WaitUntil.
WaitEnd WaitForCapture(CaptureGlobals& globals, const std::function<bool()>& done, int timeoutMs);

}  // namespace altostrat
