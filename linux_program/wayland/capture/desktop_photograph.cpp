#include "linux_program/wayland/capture/desktop_photograph.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "linux_program/wayland/capture/kwin_screenshot.h"
#include "linux_program/wayland/capture/output_capture.h"
#include "linux_program/wayland/capture/shots_layout.h"
#include "linux_program/wayland/capture/wayland_outputs.h"

namespace altostrat {
namespace {

// KWin's photographs, each laid into its output's place as it comes.
bool PhotographThroughKWin(const CaptureGlobals& g, const CanvasPlan& plan, RgbPicture& canvas,
                           std::string& error) {
    std::vector<KWinScreen> screens;
    for (const auto& output : g.outputs) {
        screens.push_back({output->name, std::max(output->modeWidth, output->modeHeight)});
    }
    bool laid = false;
    const bool any = PhotographKWinScreens(
        SessionBusAddress(), screens, g.stop,
        [&](std::size_t i, const KWinShot& shot) {
            ShotPixels pixels;
            pixels.width = shot.width;
            pixels.height = shot.height;
            pixels.data = shot.bytes.data();
            pixels.size = shot.bytes.size();
            pixels.stride = shot.stride;
            pixels.format = shot.format;
            laid = LayShot(pixels, plan.outputs[i], canvas) || laid;
        },
        error);
    if (any && !laid) {
        error = "KWin's photographs do not hold their size";
    }
    return laid;
}

// Every output through SOURCE; true when at least one was laid.
bool PhotographOutputs(CaptureGlobals& g, CaptureSource source, const CanvasPlan& plan,
                       RgbPicture& canvas, std::string& error) {
    if (source == CaptureSource::kKWinScreenShot) {
        return PhotographThroughKWin(g, plan, canvas, error);
    }
    bool laid = false;
    for (std::size_t i = 0; i < g.outputs.size() && !DescriptorReady(g.stop); ++i) {
        if (plan.outputs[i].Width() <= 0) {
            continue;
        }
        const WaylandOutput& output = *g.outputs[i];
        laid = (source == CaptureSource::kImageCopyCapture
                    ? ImageCopyOutput(g, output, plan.outputs[i], canvas, error)
                    : ScreencopyOutput(g, output, plan.outputs[i], canvas, error)) ||
               laid;
    }
    return laid;
}

}  // namespace

WaylandDesktopPicture PhotographWaylandDesktop(wl_display* display, int stop) {
    WaylandDesktopPicture result;
    CaptureGlobals g;
    if (!GatherCaptureGlobals(display, stop, g)) {
        ReleaseCaptureGlobals(g);
        result.reason = "the compositor did not answer";
        return result;
    }
    const CaptureOffers offers = OffersOf(g, !SessionBusAddress().empty());
    std::vector<OutputPlace> places;
    for (const auto& output : g.outputs) {
        places.push_back(PlaceOf(*output));
    }
    const CanvasPlan plan = PlanCanvas(places, kDesktopPictureMostSide);
    const std::vector<CaptureSource> order = CaptureOrder(offers);
    result.reason = NoCaptureReason(offers);
    for (CaptureSource source : order) {
        RgbPicture canvas;
        canvas.width = plan.width;
        canvas.height = plan.height;
        canvas.pixels.assign(static_cast<std::size_t>(plan.width) * plan.height * 3, 0);
        std::string error;
        if (PhotographOutputs(g, source, plan, canvas, error)) {
            result.picture = std::move(canvas);
            result.logical = plan.logical;
            result.source = source;
            result.reason.clear();
            break;
        }
        result.reason = std::string(CaptureSourceName(source)) + ": " + error;
        if (DescriptorReady(stop)) {
            break;
        }
    }
    ReleaseCaptureGlobals(g);
    if (DescriptorReady(stop)) {
        return WaylandDesktopPicture();
    }
    return result;
}

}  // namespace altostrat
