#include "linux_program/run/display_path.h"

namespace altostrat {

bool AsksCompositor(const HackOptions& options, bool waylandDisplaySet) {
    return options.target == FlightTarget::kStandalone && waylandDisplaySet && !options.x11;
}

DisplayPathChoice ChooseDisplayPath(const HackOptions& options, bool waylandDisplaySet,
                                    WaylandOffer offer) {
    if (options.target != FlightTarget::kStandalone || !waylandDisplaySet) {
        return {DisplayPath::kX11, nullptr};
    }
    if (options.x11) {
        return {DisplayPath::kXWayland, "--x11 asks for the flight in an XWayland window"};
    }
    switch (offer) {
        case WaylandOffer::kLayerShell:
            return {DisplayPath::kWayland, nullptr};
        case WaylandOffer::kNoLayerShell:
            return {DisplayPath::kXWayland,
                    "this Wayland desktop lets no program cover its outputs (no layer shell, as "
                    "on GNOME), so the flight runs in an XWayland window"};
        case WaylandOffer::kUnreachable:
        case WaylandOffer::kNotAsked:
            break;
    }
    return {DisplayPath::kXWayland,
            "the Wayland desktop that WAYLAND_DISPLAY names does not answer, so the flight runs "
            "in an XWayland window"};
}

}  // namespace altostrat
