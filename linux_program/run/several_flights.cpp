#include "linux_program/run/several_flights.h"

#include <cstddef>
#include <utility>

#include "flight/gl/gl_headers.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "linux_program/run/flight_pictures.h"
#include "linux_program/run/window_monitors.h"

namespace altostrat {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

bool Drawn(const MonitorFlight& monitor) {
    return monitor.window.Width() > 0 && monitor.window.Height() > 0;
}

// GL counts rows from the bottom of the window, the monitors from its top.
void ShowFlightIn(const SeveralFlights& flights, std::size_t i) {
    const ScreenRect& r = flights.monitors[i].window;
    ResizeScene(r.Width(), r.Height());
    const int bottom = flights.windowHeight - r.bottom;
    glViewport(r.left, bottom, r.Width(), r.Height());
    // Each frame clears its buffers: only within its own monitor.
    glScissor(r.left, bottom, r.Width(), r.Height());
    glEnable(GL_SCISSOR_TEST);
}

void ShowWholeWindow(const SeveralFlights& flights) {
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, flights.windowWidth, flights.windowHeight);
}

// Black where no monitor's flight is drawn, in the colour the flights clear with afterwards.
void ClearWholeWindow(const SeveralFlights& flights) {
    ShowWholeWindow(flights);
    GLfloat colour[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(colour[0], colour[1], colour[2], colour[3]);
}

}  // namespace

void MakeSeveralFlights(SeveralFlights& flights, std::vector<MonitorFlight> monitors,
                        int windowWidth, int windowHeight) {
    flights.monitors = std::move(monitors);
    flights.states = std::vector<RendererState>(flights.monitors.size());
    for (std::size_t i = 0; i < flights.states.size(); ++i) {
        flights.states[i].flight = FlightStartFor(flights.monitors[i].flightIndex);
    }
    flights.windowWidth = windowWidth;
    flights.windowHeight = windowHeight;
    flights.layoutChanged = true;
}

std::vector<std::unique_ptr<RgbImage>> SliceGround(const SeveralFlights& flights,
                                                   std::unique_ptr<RgbImage> ground) {
    std::vector<std::unique_ptr<RgbImage>> parts(flights.monitors.size());
    if (ground == nullptr) {
        return parts;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        parts[i] = std::make_unique<RgbImage>(CutSlice(*ground, flights.monitors[i].slice));
    }
    return parts;
}

bool InitSeveralScenes(SeveralFlights& flights, const ScenePlatform& platform,
                       std::vector<std::unique_ptr<RgbImage>> grounds) {
    for (std::size_t i = 0; i < flights.states.size(); ++i) {
        ScenePlatform own = platform;
        own.pictures = HeldPictures(std::move(grounds[i]), platform.showError);
        ShowFlightIn(flights, i);
        if (!InitScene(flights.states[i], own)) {
            ShowWholeWindow(flights);
            return false;
        }
    }
    ShowWholeWindow(flights);
    return true;
}

void DrawSeveralFlights(SeveralFlights& flights, const ScenePlatform& platform,
                        std::int64_t calendarSeconds) {
    // Parts of the window no monitor's flight covers are cleared every frame: a swap may leave
    // anything in them.
    if (flights.layoutChanged ||
        FlightsLeaveGaps(flights.monitors, flights.windowWidth, flights.windowHeight)) {
        ClearWholeWindow(flights);
        flights.layoutChanged = false;
    }
    const RendererState& lead = flights.states[0];
    for (std::size_t i = 0; i < flights.states.size(); ++i) {
        RendererState& state = flights.states[i];
        if (i > 0) {
            FollowLeadFlight(state, lead, calendarSeconds + kSecondsPerDay * static_cast<int>(i));
        }
        if (Drawn(flights.monitors[i])) {
            ShowFlightIn(flights, i);
            DrawFrame(state, platform);
        }
    }
    ShowWholeWindow(flights);
}

void FollowTheLead(SeveralFlights& flights, std::int64_t calendarSeconds) {
    for (std::size_t i = 1; i < flights.states.size(); ++i) {
        FollowLeadFlight(flights.states[i], flights.states[0],
                         calendarSeconds + kSecondsPerDay * static_cast<int>(i));
    }
}

void RelayoutSeveralFlights(SeveralFlights& flights, const std::vector<MonitorFlight>& fresh,
                            int windowWidth, int windowHeight) {
    flights.windowWidth = windowWidth;
    flights.windowHeight = windowHeight;
    for (std::size_t i = 0; i < flights.monitors.size(); ++i) {
        flights.monitors[i].window = i < fresh.size() ? fresh[i].window : ScreenRect{};
    }
    if (fresh.empty() && !flights.monitors.empty()) {
        flights.monitors[0].window = {0, 0, windowWidth, windowHeight};
    }
    flights.layoutChanged = true;
}

}  // namespace altostrat
