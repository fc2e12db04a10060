#include "flight/loop/pace_simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "flight/loop/frame_step.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/scene.h"

namespace altostrat {
namespace {

constexpr std::int64_t kTicksPerSecond = 1'000'000'000;  // the simulated clock counts nanoseconds
constexpr std::int64_t kSettleTicks = kTicksPerSecond;   // left out of the figures

std::int64_t Ticks(double seconds) {
    return std::llround(seconds * static_cast<double>(kTicksPerSecond));
}

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

// How evenly a series of advances goes: the largest change from one to the next, relative to
// their mean.
class AdvanceSeries {
  public:
    void Add(double advance) {
        if (count_ > 0) {
            largestChange_ = std::max(largestChange_, std::fabs(advance - last_));
        }
        last_ = advance;
        sum_ += advance;
        ++count_;
    }
    double Spread() const {
        const double mean = count_ > 0 ? sum_ / static_cast<double>(count_) : 0.0;
        return mean > 0.0 ? largestChange_ / mean : 0.0;
    }

  private:
    double last_ = 0.0;
    double largestChange_ = 0.0;
    double sum_ = 0.0;
    std::int64_t count_ = 0;
};

// What the display shows at each of its refreshes, followed as the pictures come: the advance
// of the shown flight from each refresh to the next, and from each picture to the next with
// the refreshes it stayed for, over the refreshes from a given moment on.
class ShownMotion {
  public:
    explicit ShownMotion(const SimulatedDisplay& display) : display_(display) {}

    void CountFrom(std::int64_t t) { countFrom_ = t; }

    // A picture shown from the refresh at or after shownFrom, until a later one replaces it.
    void Show(std::int64_t shownFrom, const FlightPose& pose) {
        ShowUntil(shownFrom);
        pending_ = pose;
        havePending_ = true;
        ++pendingPicture_;
    }

    // Every refresh before t shows what it was last given.
    void ShowUntil(std::int64_t t) {
        for (; display_.Refresh(nextRefresh_) < t; ++nextRefresh_) {
            if (!havePending_) {
                continue;
            }
            const bool counted = display_.Refresh(nextRefresh_) >= countFrom_;
            const bool newPicture = pendingPicture_ != shownPicture_;
            if (haveShown_ && counted) {
                perRefresh_.Add(Advance(shown_, pending_));
                if (newPicture) {
                    perPicture_.Add(Advance(shown_, pending_));
                }
            }
            if (newPicture) {
                if (haveShown_ && shownSinceCounted_) {
                    fewestHold_ = fewestHold_ == 0 ? hold_ : std::min(fewestHold_, hold_);
                    mostHold_ = std::max(mostHold_, hold_);
                }
                shownPicture_ = pendingPicture_;
                shownSinceCounted_ = counted;
                hold_ = 0;
            }
            ++hold_;
            shown_ = pending_;
            haveShown_ = true;
        }
    }

    double Spread() const { return perRefresh_.Spread(); }
    double PictureSpread() const { return perPicture_.Spread(); }
    int FewestHold() const { return fewestHold_; }
    int MostHold() const { return mostHold_; }

  private:
    const SimulatedDisplay& display_;
    std::int64_t countFrom_ = 0;
    std::int64_t nextRefresh_ = 0;
    FlightPose pending_;
    bool havePending_ = false;
    FlightPose shown_;
    bool haveShown_ = false;
    std::int64_t pendingPicture_ = 0;
    std::int64_t shownPicture_ = 0;
    bool shownSinceCounted_ = false;  // the shown picture came on at a counted refresh
    int hold_ = 0;                    // refreshes the shown picture has stayed for
    int fewestHold_ = 0;
    int mostHold_ = 0;
    AdvanceSeries perRefresh_;
    AdvanceSeries perPicture_;
};

}  // namespace

PaceFigures SimulatePace(const SimulatedRun& run) {
    RendererState state;
    for (int i = 0; i < kSimulationStartSteps; ++i) {
        KeepFlightInsidePeriod(state.flight);
        UpdateFlight(state.flight, state.random, kSimulationCalendarStart);
    }

    const SimulatedDisplay display{run.refreshHz};
    std::int64_t now = 0;
    ShownMotion motion(display);
    motion.CountFrom(INT64_MAX);
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
    platform.onBattery = [&run] { return run.onBattery; };
    // Waiting, presenting returns at the next refresh and shows the picture from then on;
    // not waiting, it returns at once, and the next refresh shows the latest picture.
    platform.swapBuffers = [&] {
        if (run.presentWaits) {
            now = display.Refresh(display.FirstRefreshFrom(now + 1));
        }
        motion.Show(now, drawn);
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
            motion.CountFrom(now);
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
        motion.ShowUntil(now + 1);
        figures.advanceSpread = run.onBattery ? motion.PictureSpread() : motion.Spread();
        figures.fewestRefreshesPerPicture = motion.FewestHold();
        figures.mostRefreshesPerPicture = motion.MostHold();
    }
    figures.stepsTaken = state.pacer.stepsTaken;
    figures.flight = state.flight;
    return figures;
}

}  // namespace altostrat
