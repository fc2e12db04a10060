#include "renderer/scene/pace_simulation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "renderer/scene/frame_step.h"
#include "renderer/scene/renderer_state.h"
#include "renderer/scene/scene.h"

namespace altostrat {
namespace {

constexpr std::int64_t kTicksPerSecond = 1'000'000'000;  // the simulated clock counts nanoseconds
constexpr std::int64_t kSettleTicks = kTicksPerSecond;   // left out of the figures

std::int64_t Ticks(double seconds) {
    return std::llround(seconds * static_cast<double>(kTicksPerSecond));
}

struct Picture {
    std::int64_t shownFrom;
    FlightPose pose;
};

struct SimulatedDisplay {
    double refreshHz;

    std::int64_t Refresh(std::int64_t n) const {
        return std::llround(static_cast<double>(n) * static_cast<double>(kTicksPerSecond) /
                            refreshHz);
    }
    // The number of the first refresh at or after t.
    std::int64_t FirstRefreshFrom(std::int64_t t) const {
        auto n = static_cast<std::int64_t>(
            std::floor(static_cast<double>(t) * refreshHz / static_cast<double>(kTicksPerSecond)));
        while (Refresh(n) < t) {
            ++n;
        }
        while (n > 0 && Refresh(n - 1) >= t) {
            --n;
        }
        return n;
    }
};

// The distance flown from one shown pose to the next, the short way across the terrain's wrap.
double Advance(const FlightPose& from, const FlightPose& to) {
    const double period = kTerrainPeriod;
    auto shortWay = [period](double d) { return d - period * std::round(d / period); };
    return std::hypot(shortWay(to.flightX - from.flightX), shortWay(to.flightZ - from.flightZ));
}

double Spread(const std::vector<Picture>& pictures, const SimulatedDisplay& display,
              std::int64_t from, std::int64_t to) {
    std::vector<double> advances;
    std::size_t shown = 0;
    bool havePrevious = false;
    FlightPose previous;
    for (std::int64_t n = display.FirstRefreshFrom(from); display.Refresh(n) <= to; ++n) {
        const std::int64_t refresh = display.Refresh(n);
        while (shown + 1 < pictures.size() && pictures[shown + 1].shownFrom <= refresh) {
            ++shown;
        }
        if (pictures.empty() || pictures[shown].shownFrom > refresh) {
            continue;
        }
        if (havePrevious) {
            advances.push_back(Advance(previous, pictures[shown].pose));
        }
        previous = pictures[shown].pose;
        havePrevious = true;
    }
    if (advances.size() < 2) {
        return 0.0;
    }
    double sum = 0.0;
    for (double a : advances) {
        sum += a;
    }
    const double mean = sum / static_cast<double>(advances.size());
    double largest = 0.0;
    for (std::size_t i = 1; i < advances.size(); ++i) {
        largest = std::max(largest, std::fabs(advances[i] - advances[i - 1]));
    }
    return mean > 0.0 ? largest / mean : 0.0;
}

}  // namespace

PaceFigures SimulatePace(const SimulatedRun& run) {
    RendererState state;
    for (int i = 0; i < kSimulationStartSteps; ++i) {
        KeepFlightInsidePeriod(state.flight);
        UpdateFlight(state.flight, state.random, kSimulationCalendarStart);
    }

    const SimulatedDisplay display{run.refreshHz};
    std::int64_t now = 0;
    std::vector<Picture> pictures;
    FlightPose drawn;

    ScenePlatform platform;
    platform.clock.queryFrequency = [](std::uint64_t& frequency) {
        frequency = kTicksPerSecond;
        return true;
    };
    platform.clock.queryCounter = [&now] { return now; };
    platform.clock.millisecondClock = [&now] {
        return static_cast<std::uint32_t>(now / (kTicksPerSecond / 1000));
    };
    platform.clock.sleep = [&now](unsigned milliseconds) {
        now += static_cast<std::int64_t>(milliseconds) * (kTicksPerSecond / 1000);
    };
    platform.presentWithRefresh = [] { return true; };
    platform.refreshRate = [&run] { return run.reportsRefresh ? run.refreshHz : 0.0; };
    platform.swapBuffers = [&] {
        const std::int64_t refresh = display.Refresh(display.FirstRefreshFrom(now + 1));
        if (run.presentWaits) {
            now = refresh;
            pictures.push_back({now, drawn});
        } else {
            pictures.push_back({display.Refresh(display.FirstRefreshFrom(now)), drawn});
        }
    };
    StartFrameClock(state.frameClock, platform.clock);

    const std::int64_t drawTicks = Ticks(run.drawMilliseconds / 1000.0);
    const std::int64_t stallAt = run.stallAtSeconds < 0.0 ? -1 : Ticks(run.stallAtSeconds);
    const std::int64_t end = Ticks(run.seconds);
    bool stalled = false;
    std::int64_t frames = 0;
    std::uint64_t stepsAtLastPicture = 0;
    PaceFigures figures;
    const FrameDrawer draw = [&](RendererState& s) {
        KeepFlightInsidePeriod(s.flight);
        drawn = DrawnPose(s.pacer, s.flight);
        if (now >= kSettleTicks) {
            ++frames;
            figures.mostStepsPerPicture =
                std::max(figures.mostStepsPerPicture,
                         static_cast<int>(s.pacer.stepsTaken - stepsAtLastPicture));
        }
        stepsAtLastPicture = s.pacer.stepsTaken;
        now += drawTicks;
        if (stallAt >= 0 && !stalled && now - drawTicks >= stallAt) {
            stalled = true;
            now += Ticks(run.stallMilliseconds / 1000.0);
        }
    };

    std::uint64_t stepsAtSettle = 0;
    std::int64_t settledAt = -1;
    while (now < end) {
        if (settledAt < 0 && now >= kSettleTicks) {
            settledAt = now;
            stepsAtSettle = state.pacer.stepsTaken;
        }
        const std::int64_t calendar =
            kSimulationCalendarStart + (run.calendarFollowsClock ? now / kTicksPerSecond : 0);
        RunFrameStep(state, platform, true, calendar, draw);
    }

    const double measured =
        static_cast<double>(now - settledAt) / static_cast<double>(kTicksPerSecond);
    if (settledAt >= 0 && measured > 0.0) {
        figures.stepsPerSecond =
            static_cast<double>(state.pacer.stepsTaken - stepsAtSettle) / measured;
        figures.framesPerSecond = static_cast<double>(frames) / measured;
        figures.advanceSpread = Spread(pictures, display, settledAt, now);
    }
    figures.stepsTaken = state.pacer.stepsTaken;
    figures.flight = state.flight;
    return figures;
}

}  // namespace altostrat
