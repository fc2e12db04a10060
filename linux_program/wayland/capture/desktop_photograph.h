#pragma once
// The desktop photographed on Wayland before anything of the flight is shown: every output in
// its own pixels, laid into one picture of the desktop as the user sees it (shots_layout.h),
// by the first way the compositor offers that photographs at least one output
// (capture_order.h). Everything runs on an event queue and registry of its own, so the caller's
// default queue and objects are neither dispatched nor touched, and every object made here is
// gone when it returns. Nothing of the photograph touches the disk.

#include <string>

#include "common/picture_layout.h"
#include "common/screen_rect.h"
#include "linux_program/wayland/capture/capture_order.h"

struct wl_display;

namespace altostrat {

struct WaylandDesktopPicture {
    RgbPicture picture;  // red, green, blue, top row first; no pixels: no photograph
    ScreenRect logical;  // the outputs' bounding box in the compositor's logical coordinates
    CaptureSource source = CaptureSource::kNone;
    std::string reason;  // why there is none, a few words ("" when there is one)
};

// The picture is the bounding box at the largest output scale, its longest side at most this.
constexpr int kDesktopPictureMostSide = 8192;

// Every wait also ends once STOP (the stop descriptor, wait/display_wait.h; -1: none) is
// readable, and the result is then empty.
WaylandDesktopPicture PhotographWaylandDesktop(wl_display* display, int stop);

}  // namespace altostrat
