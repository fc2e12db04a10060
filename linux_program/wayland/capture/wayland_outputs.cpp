#include "linux_program/wayland/capture/wayland_outputs.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

#include "ext-image-capture-source-v1-client-protocol.h"
#include "ext-image-copy-capture-v1-client-protocol.h"
#include "wlr-screencopy-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

namespace altostrat {
namespace {

template <typename T>
T* Bind(wl_registry* registry, uint32_t name, const wl_interface* interface, uint32_t offered,
        uint32_t wanted) {
    return static_cast<T*>(wl_registry_bind(registry, name, interface, std::min(offered, wanted)));
}

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
    CaptureGlobals& g = *static_cast<CaptureGlobals*>(data);
    const auto is = [interface](const wl_interface& known) {
        return std::strcmp(interface, known.name) == 0;
    };
    if (is(wl_output_interface)) {
        auto output = std::make_unique<WaylandOutput>();
        DescribeOutput(*output, registry, name, version);
        g.outputs.push_back(std::move(output));
    } else if (is(wl_shm_interface) && g.shm == nullptr) {
        g.shm = Bind<wl_shm>(registry, name, &wl_shm_interface, version, 1);
    } else if (is(zxdg_output_manager_v1_interface) && g.xdgOutputs == nullptr) {
        g.xdgOutputs = Bind<zxdg_output_manager_v1>(registry, name,
                                                    &zxdg_output_manager_v1_interface, version, 3);
    } else if (is(zwlr_screencopy_manager_v1_interface) && g.screencopy == nullptr) {
        g.screencopyVersion = std::min<uint32_t>(version, 3);
        g.screencopy = Bind<zwlr_screencopy_manager_v1>(
            registry, name, &zwlr_screencopy_manager_v1_interface, version, 3);
    } else if (is(ext_image_copy_capture_manager_v1_interface) && g.imageCopy == nullptr) {
        g.imageCopy = Bind<ext_image_copy_capture_manager_v1>(
            registry, name, &ext_image_copy_capture_manager_v1_interface, version, 1);
    } else if (is(ext_output_image_capture_source_manager_v1_interface) &&
               g.outputSources == nullptr) {
        g.outputSources = Bind<ext_output_image_capture_source_manager_v1>(
            registry, name, &ext_output_image_capture_source_manager_v1_interface, version, 1);
    } else if (IsKdeGlobal(interface)) {
        g.kde = true;
    }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

}  // namespace

bool GatherCaptureGlobals(wl_display* display, int stop, CaptureGlobals& g) {
    g.display = display;
    g.stop = stop;
    g.queue = wl_display_create_queue(display);
    g.wrapper = static_cast<wl_proxy*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(g.wrapper, g.queue);
    g.registry = wl_display_get_registry(reinterpret_cast<wl_display*>(g.wrapper));
    wl_registry_add_listener(g.registry, &kRegistryListener, &g);
    // The globals first; then each output's description and logical place.
    if (Roundtrip({display, g.queue, stop}, NowMs() + kCompositorAnswerMs) != WaitEnd::kEvents) {
        return false;
    }
    for (auto& output : g.outputs) {
        DescribeLogicalPlace(*output, g.xdgOutputs);
    }
    return Roundtrip({display, g.queue, stop}, NowMs() + kCompositorAnswerMs) == WaitEnd::kEvents;
}

void ReleaseCaptureGlobals(CaptureGlobals& g) {
    for (auto& output : g.outputs) {
        ReleaseWaylandOutput(*output);
    }
    g.outputs.clear();
    if (g.xdgOutputs != nullptr) {
        zxdg_output_manager_v1_destroy(g.xdgOutputs);
    }
    if (g.screencopy != nullptr) {
        zwlr_screencopy_manager_v1_destroy(g.screencopy);
    }
    if (g.imageCopy != nullptr) {
        ext_image_copy_capture_manager_v1_destroy(g.imageCopy);
    }
    if (g.outputSources != nullptr) {
        ext_output_image_capture_source_manager_v1_destroy(g.outputSources);
    }
    if (g.shm != nullptr) {
        wl_shm_destroy(g.shm);
    }
    if (g.registry != nullptr) {
        wl_registry_destroy(g.registry);
    }
    if (g.wrapper != nullptr) {
        wl_proxy_wrapper_destroy(g.wrapper);
    }
    if (g.queue != nullptr) {
        // The requests above reach the compositor before the queue, and anything still on it,
        // goes.
        wl_display_flush(g.display);
        wl_event_queue_destroy(g.queue);
    }
    g = CaptureGlobals();
}

CaptureOffers OffersOf(const CaptureGlobals& g, bool sessionBus) {
    CaptureOffers offers;
    offers.imageCopyCapture = g.imageCopy != nullptr;
    offers.outputCaptureSource = g.outputSources != nullptr;
    offers.screencopy = g.screencopy != nullptr;
    offers.shm = g.shm != nullptr;
    offers.kde = g.kde;
    offers.sessionBus = sessionBus;
    for (const auto& output : g.outputs) {
        offers.outputs += PlaceOf(*output).logical.Width() > 0 ? 1 : 0;
    }
    return offers;
}

OutputPlace PlaceOf(const WaylandOutput& output) {
    OutputPlace place;
    place.logical = LogicalRect(output);
    UprightSize(output.modeWidth, output.modeHeight, output.transform, place.physicalWidth,
                place.physicalHeight);
    return place;
}

WaitEnd WaitForCapture(CaptureGlobals& g, const std::function<bool()>& done, int timeoutMs) {
    return WaitUntil({g.display, g.queue, g.stop}, done, NowMs() + timeoutMs);
}

}  // namespace altostrat
