#include "linux_program/wayland/wayland_registry.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

#include "fractional-scale-v1-client-protocol.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/wayland/layer_shell_protocol.h"
#include "linux_program/wayland/wait/display_wait.h"
#include "linux_program/wayland/wayland_input.h"
#include "viewporter-client-protocol.h"
#include "wlr-output-power-management-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

namespace altostrat {
namespace {

void OnPowerMode(void* data, zwlr_output_power_v1*, uint32_t mode) {
    static_cast<CoveredOutput*>(data)->poweredOff = mode == ZWLR_OUTPUT_POWER_V1_MODE_OFF;
}

// The compositor will tell nothing of this output's power: taken as on.
void OnPowerFailed(void* data, zwlr_output_power_v1* power) {
    auto& o = *static_cast<CoveredOutput*>(data);
    zwlr_output_power_v1_destroy(power);
    o.power = nullptr;
    o.poweredOff = false;
}

const zwlr_output_power_v1_listener kPowerListener = {OnPowerMode, OnPowerFailed};

void WatchPower(WaylandScreen& screen, CoveredOutput& o) {
    if (screen.powerManager != nullptr && o.power == nullptr) {
        o.power =
            zwlr_output_power_manager_v1_get_output_power(screen.powerManager, o.output.output);
        zwlr_output_power_v1_add_listener(o.power, &kPowerListener, &o);
    }
}

// A new output is covered once its first description is complete; a surface already over one
// whose mode or scale changed is sized afresh.
void AddOutput(WaylandScreen& screen, wl_registry* registry, uint32_t name, uint32_t version) {
    auto o = std::make_unique<CoveredOutput>();
    o->screen = &screen;
    CoveredOutput* covered = o.get();
    o->output.onDescribed = [covered](bool first) {
        if (first) {
            covered->screen->outputsChanged = true;
        } else if (covered->surface != nullptr) {
            covered->resized = true;
        }
    };
    DescribeOutput(o->output, registry, name, version);
    DescribeLogicalPlace(o->output, screen.xdgOutputManager);
    WatchPower(screen, *o);
    screen.outputs.push_back(std::move(o));
}

template <typename T>
T* Bind(wl_registry* registry, uint32_t name, const wl_interface* interface, uint32_t version,
        uint32_t most) {
    return static_cast<T*>(wl_registry_bind(registry, name, interface, std::min(version, most)));
}

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
    auto& screen = *static_cast<WaylandScreen*>(data);
    const auto is = [interface](const wl_interface& i) {
        return std::strcmp(interface, i.name) == 0;
    };
    if (is(wl_compositor_interface)) {
        screen.compositor =
            Bind<wl_compositor>(registry, name, &wl_compositor_interface, version, 4);
    } else if (is(zwlr_layer_shell_v1_interface)) {
        screen.layerShell =
            Bind<zwlr_layer_shell_v1>(registry, name, &zwlr_layer_shell_v1_interface, version, 4);
    } else if (is(zxdg_output_manager_v1_interface)) {
        screen.xdgOutputManager = Bind<zxdg_output_manager_v1>(
            registry, name, &zxdg_output_manager_v1_interface, version, 3);
        for (auto& o : screen.outputs) {
            DescribeLogicalPlace(o->output, screen.xdgOutputManager);
        }
    } else if (is(zwlr_output_power_manager_v1_interface)) {
        screen.powerManager = Bind<zwlr_output_power_manager_v1>(
            registry, name, &zwlr_output_power_manager_v1_interface, version, 1);
        for (auto& o : screen.outputs) {
            WatchPower(screen, *o);
        }
    } else if (is(wp_viewporter_interface)) {
        screen.viewporter =
            Bind<wp_viewporter>(registry, name, &wp_viewporter_interface, version, 1);
    } else if (is(wp_fractional_scale_manager_v1_interface)) {
        screen.fractionalScaleManager = Bind<wp_fractional_scale_manager_v1>(
            registry, name, &wp_fractional_scale_manager_v1_interface, version, 1);
    } else if (is(wl_output_interface)) {
        AddOutput(screen, registry, name, version);
    } else if (is(wl_seat_interface) && screen.input.seat == nullptr) {
        screen.input.seatName = name;
        screen.input.seat = Bind<wl_seat>(registry, name, &wl_seat_interface, version, 5);
        WatchSeat(screen);
    }
}

void OnGlobalRemove(void* data, wl_registry*, uint32_t name) {
    auto& screen = *static_cast<WaylandScreen*>(data);
    for (auto& o : screen.outputs) {
        if (o->output.globalName == name && !o->gone) {
            o->gone = true;
            screen.outputsChanged = true;
        }
    }
    if (screen.input.seat != nullptr && screen.input.seatName == name) {
        ReleaseSeat(screen);
    }
}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

void OnProbeGlobal(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0) {
        *static_cast<bool*>(data) = true;
    }
}

void OnProbeGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kProbeListener = {OnProbeGlobal, OnProbeGlobalRemove};

}  // namespace

bool OffersLayerShell(wl_display* display) {
    bool offered = false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kProbeListener, &offered);
    const bool answered = Roundtrip({display, nullptr, StopDescriptor()},
                                    NowMs() + kCompositorAnswerMs) == WaitEnd::kEvents;
    wl_registry_destroy(registry);
    return answered && offered;
}

bool BindWaylandGlobals(WaylandScreen& screen) {
    screen.registry = wl_display_get_registry(screen.display);
    wl_registry_add_listener(screen.registry, &kRegistryListener, &screen);
    // The globals; then the outputs' and the seat's first descriptions, and the xdg-outputs
    // asked for meanwhile; then those.
    for (int i = 0; i < 3; ++i) {
        if (CompositorLost(Roundtrip({screen.display, nullptr, StopDescriptor()},
                                     NowMs() + kCompositorAnswerMs))) {
            screen.broken = true;
            return false;
        }
    }
    return screen.compositor != nullptr && screen.layerShell != nullptr;
}

void ReleaseWaylandGlobals(WaylandScreen& screen) {
    ReleaseSeat(screen);
    for (auto& o : screen.outputs) {
        ReleaseOutput(*o);
    }
    screen.outputs.clear();
    if (screen.powerManager != nullptr) {
        zwlr_output_power_manager_v1_destroy(screen.powerManager);
    }
    if (screen.fractionalScaleManager != nullptr) {
        wp_fractional_scale_manager_v1_destroy(screen.fractionalScaleManager);
    }
    if (screen.viewporter != nullptr) {
        wp_viewporter_destroy(screen.viewporter);
    }
    if (screen.xdgOutputManager != nullptr) {
        zxdg_output_manager_v1_destroy(screen.xdgOutputManager);
    }
    if (screen.layerShell != nullptr && zwlr_layer_shell_v1_get_version(screen.layerShell) >=
                                            ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION) {
        zwlr_layer_shell_v1_destroy(screen.layerShell);
    } else if (screen.layerShell != nullptr) {
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(screen.layerShell));
    }
    if (screen.compositor != nullptr) {
        wl_compositor_destroy(screen.compositor);
    }
    if (screen.registry != nullptr) {
        wl_registry_destroy(screen.registry);
    }
    wl_display* display = screen.display;
    screen = WaylandScreen();
    screen.display = display;
}

void ReleaseOutput(CoveredOutput& output) {
    if (output.power != nullptr) {
        zwlr_output_power_v1_destroy(output.power);
        output.power = nullptr;
    }
    ReleaseWaylandOutput(output.output);
}

bool OutputInUse(const CoveredOutput& output) {
    const ScreenRect logical = LogicalRect(output.output);
    return output.output.described && !output.gone && logical.Width() > 0 && logical.Height() > 0;
}

}  // namespace altostrat
