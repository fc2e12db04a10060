// The Linux program: the same scene, frame step and flight model as the Windows renderer, flown
// over X11 and GLX (x11/x11_flight.h) or natively on a Wayland desktop whose compositor lets it
// cover every output (wayland/wayland_flight.h); which path, and who says when the user is away
// for --idle (the compositor, or GNOME's idle monitor: gnome/idle/gnome_idle_loop.h),
// run/display_path.h. Here only the command line, the choices and the dispatch.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <wayland-client.h>

#include "assets/version.h"
#include "linux_program/gnome/idle/gnome_idle_loop.h"
#include "linux_program/gnome/idle/idle_monitor_owner.h"
#include "linux_program/options/hack_options.h"
#include "linux_program/options/user_hack_list.h"
#include "linux_program/run/display_path.h"
#include "linux_program/run/standard_descriptors.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/wayland/idle/idle_loop.h"
#include "linux_program/wayland/wayland_flight.h"
#include "linux_program/wayland/wayland_registry.h"
#include "linux_program/x11/x11_flight.h"

namespace altostrat {
namespace {

// In an XWayland window the flight is less than natively: the user is told once why.
void TellOfXWayland(const char* reason) {
    std::printf(
        "altostrat: %s: it is not above full-screen windows, and does not fly over the desktop, "
        "which it cannot photograph there\n",
        reason);
    std::fflush(stdout);
}

// Natively on Wayland: one flight, exit code 1 only when it could not start; or with --idle,
// resident, a flight each time the desktop has been idle long enough (idle/idle_loop.h).
int FlyOnWayland(wl_display* display, const HackOptions& options) {
    if (options.idleSeconds > 0) {
        return RunIdleLoop(display, StopDescriptor(), options.idleSeconds,
                           [&options](wl_display* own, const std::function<bool()>& endNow) {
                               RunWaylandFlight(own, options, endNow);
                           });
    }
    const WaylandFlightEnd end = RunWaylandFlight(display, options, {});
    return end == WaylandFlightEnd::kCouldNotStart && !StopSignalled() ? 1 : 0;
}

// This program's own file, which each flight of a resident --idle on GNOME runs afresh.
std::string OwnProgram() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
    path.resize(length > 0 && static_cast<std::size_t>(length) < path.size() ? length : 0);
    return path;
}

// Resident on GNOME: each flight is the program itself with the same options but --idle.
int IdleOnGnome(const HackOptions& options, const std::vector<std::string>& arguments) {
    const std::string program = OwnProgram();
    if (program.empty()) {
        std::fprintf(stderr, "altostrat: cannot find the program's own file for its flights\n");
        return 1;
    }
    return RunGnomeIdleLoop(StopDescriptor(), options.idleSeconds, program,
                            ArgumentsOfOneFlight(arguments));
}

// The path as run/display_path.h chooses it; the compositor and the session bus are asked only
// where it matters.
int RunProgram(const HackOptions& options, const std::vector<std::string>& arguments) {
    InstallStopSignals();
    const char* waylandName = std::getenv("WAYLAND_DISPLAY");
    const bool waylandSet = waylandName != nullptr && *waylandName != '\0';
    wl_display* wayland = nullptr;
    WaylandOffer offer = WaylandOffer::kNotAsked;
    if (AsksCompositor(options, waylandSet)) {
        wayland = wl_display_connect(nullptr);
        offer = wayland == nullptr          ? WaylandOffer::kUnreachable
                : OffersLayerShell(wayland) ? WaylandOffer::kLayerShell
                                            : WaylandOffer::kNoLayerShell;
    }
    const DisplayPathChoice choice = ChooseDisplayPath(options, waylandSet, offer);
    if (choice.path == DisplayPath::kWayland) {
        const int exitCode = FlyOnWayland(wayland, options);
        wl_display_disconnect(wayland);
        return exitCode;
    }
    if (wayland != nullptr) {
        wl_display_disconnect(wayland);
    }
    const GnomeIdleMonitor monitor = AsksGnomeIdleMonitor(options, choice.path)
                                         ? AskGnomeIdleMonitor()
                                         : GnomeIdleMonitor::kNotAsked;
    const IdleChoice idle = ChooseIdleWay(options, choice.path, monitor,
                                          DesktopSaysGnome(std::getenv("XDG_CURRENT_DESKTOP")));
    if (idle.way == IdleWay::kGnome) {
        return IdleOnGnome(options, arguments);
    }
    if (idle.way == IdleWay::kRefused) {
        std::fprintf(stderr, "altostrat: %s\n", idle.refusal);
        return 2;
    }
    if (choice.reason != nullptr) {
        TellOfXWayland(choice.reason);
    }
    return RunX11Flight(options, choice.path == DisplayPath::kXWayland);
}

}  // namespace
}  // namespace altostrat

int main(int argc, char** argv) {
    using namespace altostrat;
    if (!OpenStandardDescriptors()) {
        return 1;
    }
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const HackOptions options = ParseHackOptions(arguments, std::getenv("XSCREENSAVER_WINDOW"));
    if (!options.error.empty()) {
        std::fprintf(stderr, "altostrat: %s\n%s\n", options.error.c_str(), HackUsage());
        return 2;
    }
    switch (options.action) {
        case ProgramAction::kAddToXscreensaver:
            return AddToUserHackList();
        case ProgramAction::kRemoveFromXscreensaver:
            return RemoveFromUserHackList();
        case ProgramAction::kHelp:
            std::fputs(HackHelp(), stdout);
            return 0;
        case ProgramAction::kVersion:
            std::printf("altostrat %s\n", ALTOSTRAT_VERSION_TEXT);
            return 0;
        case ProgramAction::kFly:
            break;
    }
    return RunProgram(options, arguments);
}
