#include "linux_program/wayland/desktop_ground.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

#include "common/picture_layout.h"
#include "flight/display/monitor_flights.h"
#include "linux_program/options/hack_options.h"
#include "linux_program/picture/own_picture.h"
#include "linux_program/run/flight_pictures.h"
#include "linux_program/run/stop_signals.h"
#include "linux_program/wayland/capture/desktop_photograph.h"
#include "linux_program/wayland/wayland_registry.h"

namespace altostrat {
namespace {

// The user's picture is decoded as large as the largest scale shows the outputs, and no larger
// than a texture any driver takes.
constexpr int kLargestSide = 8192;

ScreenRect OutputsBox(const WaylandScreen& screen) {
    std::vector<ScreenRect> rects;
    for (const auto& o : screen.outputs) {
        if (OutputInUse(*o)) {
            rects.push_back(LogicalRect(o->output));
        }
    }
    return UnionOfMonitors(rects);
}

PictureSize PictureSizeFor(const WaylandScreen& screen, const ScreenRect& box) {
    int scale = 1;
    for (const auto& o : screen.outputs) {
        if (OutputInUse(*o)) {
            scale = std::max(scale, o->output.scale);
        }
    }
    while (scale > 1 && std::max(box.Width(), box.Height()) * scale > kLargestSide) {
        --scale;
    }
    return {box.Width() * scale, box.Height() * scale};
}

std::unique_ptr<RgbImage> TakeUserPicture(const WaylandScreen& screen, const ScreenRect& box,
                                          const std::string& path) {
    const std::uint32_t seed = static_cast<std::uint32_t>(std::random_device()());
    // A stop signal ends a long decode at once: the program ends without a word about it.
    OwnPicture own = LoadOwnPicture(path, PictureSizeFor(screen, box), seed, StopSignalled);
    if (!own.error.empty() && !StopSignalled()) {
        std::fprintf(stderr, "altostrat: %s; flying over fields and woods instead\n",
                     own.error.c_str());
    }
    return GroundFromPicture(std::move(own.laid));
}

}  // namespace

DesktopGround TakeDesktopGround(WaylandScreen& screen, const HackOptions& options) {
    DesktopGround ground;
    ground.logical = OutputsBox(screen);
    if (!options.picture.empty()) {
        ground.image = TakeUserPicture(screen, ground.logical, options.picture);
        return ground;
    }
    WaylandDesktopPicture photograph = PhotographWaylandDesktop(screen.display, StopDescriptor());
    if (StopSignalled()) {
        return ground;
    }
    if (photograph.picture.pixels.empty()) {
        std::fprintf(stderr,
                     "altostrat: the desktop cannot be photographed here (%s); flying over "
                     "fields and woods instead\n",
                     photograph.reason.c_str());
        return ground;
    }
    ground.logical = photograph.logical;
    ground.image = GroundFromPicture(std::move(photograph.picture));
    return ground;
}

std::unique_ptr<RgbImage> TakeWholeGround(DesktopGround& ground) {
    return std::move(ground.image);
}

std::unique_ptr<RgbImage> CutGround(const DesktopGround& ground, const ScreenRect& output) {
    const ScreenRect& box = ground.logical;
    const ScreenRect part{std::max(output.left, box.left) - box.left,
                          std::max(output.top, box.top) - box.top,
                          std::min(output.right, box.right) - box.left,
                          std::min(output.bottom, box.bottom) - box.top};
    if (ground.image == nullptr || part.Width() <= 0 || part.Height() <= 0) {
        return nullptr;
    }
    return std::make_unique<RgbImage>(
        CutSlice(*ground.image, PictureSlice{part, box.Width(), box.Height()}));
}

}  // namespace altostrat
