#include "linux_program/run/display_path.h"

#include <string>

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

bool AsksGnomeIdleMonitor(const HackOptions& options, DisplayPath path) {
    return options.idleSeconds > 0 && options.target == FlightTarget::kStandalone &&
           path != DisplayPath::kWayland;
}

IdleChoice ChooseIdleWay(const HackOptions& options, DisplayPath path, GnomeIdleMonitor monitor,
                         bool desktopSaysGnome) {
    if (options.idleSeconds <= 0) {
        return {IdleWay::kNone, nullptr};
    }
    if (path == DisplayPath::kWayland) {
        return {IdleWay::kWayland, nullptr};
    }
    if (options.target == FlightTarget::kStandalone && monitor == GnomeIdleMonitor::kOwned) {
        return {IdleWay::kGnome, nullptr};
    }
    if (desktopSaysGnome && options.target == FlightTarget::kStandalone) {
        return {IdleWay::kRefused,
                "--idle on GNOME needs GNOME's idle monitor (org.gnome.Mutter.IdleMonitor), which "
                "does not answer on the session bus (DBUS_SESSION_BUS_ADDRESS)"};
    }
    return {IdleWay::kRefused,
            "--idle needs a desktop that tells programs when the user is away: GNOME, or a "
            "Wayland desktop that lets the program cover its outputs (sway, Hyprland, KDE "
            "Plasma); on X11, xscreensaver starts the flight when the computer is idle"};
}

bool DesktopSaysGnome(const char* currentDesktop) {
    if (currentDesktop == nullptr) {
        return false;
    }
    const std::string list = std::string(":") + currentDesktop + ":";
    return list.find(":GNOME:") != std::string::npos;
}

}  // namespace altostrat
