#include "linux_program/x11/monitor_viewports.h"

#include <cstddef>
#include <utility>

#include "flight/gl/gl_headers.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "linux_program/run/flight_pictures.h"
#include "linux_program/x11/window_monitors.h"

namespace altostrat {
namespace {

bool Drawn(const MonitorFlight& monitor) {
    return monitor.window.Width() > 0 && monitor.window.Height() > 0;
}

// GL counts rows from the bottom of the window, the monitors from its top.
void ShowFlightIn(const MonitorViewports& viewports, std::size_t i) {
    const ScreenRect& r = viewports.monitors[i].window;
    ResizeScene(r.Width(), r.Height());
    const int bottom = viewports.windowHeight - r.bottom;
    glViewport(r.left, bottom, r.Width(), r.Height());
    // Each frame clears its buffers: only within its own monitor.
    glScissor(r.left, bottom, r.Width(), r.Height());
    glEnable(GL_SCISSOR_TEST);
}

void ShowWholeWindow(const MonitorViewports& viewports) {
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, viewports.windowWidth, viewports.windowHeight);
}

// Black where no monitor's flight is drawn, in the colour the flights clear with afterwards.
void ClearWholeWindow(const MonitorViewports& viewports) {
    ShowWholeWindow(viewports);
    GLfloat colour[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(colour[0], colour[1], colour[2], colour[3]);
}

}  // namespace

void LayOutViewports(MonitorViewports& viewports, std::vector<MonitorFlight> monitors,
                     int windowWidth, int windowHeight) {
    viewports.monitors = std::move(monitors);
    viewports.windowWidth = windowWidth;
    viewports.windowHeight = windowHeight;
    viewports.layoutChanged = true;
}

std::vector<std::unique_ptr<RgbImage>> SliceGround(const MonitorViewports& viewports,
                                                   std::unique_ptr<RgbImage> ground) {
    std::vector<std::unique_ptr<RgbImage>> parts(viewports.monitors.size());
    if (ground == nullptr) {
        return parts;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        parts[i] = std::make_unique<RgbImage>(CutSlice(*ground, viewports.monitors[i].slice));
    }
    return parts;
}

bool InitViewportScenes(const MonitorViewports& viewports, FlightSet& set,
                        const ScenePlatform& platform,
                        std::vector<std::unique_ptr<RgbImage>> grounds) {
    for (std::size_t i = 0; i < set.flights.size() && i < grounds.size(); ++i) {
        ScenePlatform own = platform;
        own.pictures = HeldPictures(std::move(grounds[i]), platform.showError);
        ShowFlightIn(viewports, i);
        if (!InitScene(set.flights[i], own)) {
            ShowWholeWindow(viewports);
            return false;
        }
    }
    ShowWholeWindow(viewports);
    return true;
}

void DrawInViewports(MonitorViewports& viewports, FlightSet& set, const ScenePlatform& platform,
                     std::int64_t calendarSeconds) {
    // Parts of the window no monitor's flight covers are cleared every frame: a swap may leave
    // anything in them.
    if (viewports.layoutChanged ||
        FlightsLeaveGaps(viewports.monitors, viewports.windowWidth, viewports.windowHeight)) {
        ClearWholeWindow(viewports);
        viewports.layoutChanged = false;
    }
    for (std::size_t i = 0; i < set.flights.size() && i < viewports.monitors.size(); ++i) {
        if (i > 0) {
            FollowLead(set, i, calendarSeconds);
        }
        if (Drawn(viewports.monitors[i])) {
            ShowFlightIn(viewports, i);
            DrawFrame(set.flights[i], platform);
        }
    }
    ShowWholeWindow(viewports);
}

void RelayoutViewports(MonitorViewports& viewports, const std::vector<MonitorFlight>& fresh,
                       int windowWidth, int windowHeight) {
    viewports.windowWidth = windowWidth;
    viewports.windowHeight = windowHeight;
    for (std::size_t i = 0; i < viewports.monitors.size(); ++i) {
        viewports.monitors[i].window = i < fresh.size() ? fresh[i].window : ScreenRect{};
    }
    if (fresh.empty() && !viewports.monitors.empty()) {
        viewports.monitors[0].window = {0, 0, windowWidth, windowHeight};
    }
    viewports.layoutChanged = true;
}

}  // namespace altostrat
