#include "flight/pacing/frame_pacer.h"

#include <algorithm>
#include <cmath>

#include "flight/pacing/frame_clock.h"

namespace altostrat {
namespace {

std::int64_t TicksOf(const FramePacer& pacer, double seconds) {
    return static_cast<std::int64_t>(
        std::llround(seconds * static_cast<double>(pacer.ticksPerSecond)));
}

// By the clock on battery: the time from one picture to the next.
std::int64_t BatteryPictureTicks(const FramePacer& pacer) {
    const double hz = pacer.refreshHz > 0.0 ? pacer.refreshHz : kAssumedRefreshHz;
    return TicksOf(pacer, RefreshesPerBatteryPicture(hz) / hz);
}

}  // namespace

void SetUpPacing(FramePacer& pacer, std::uint64_t ticksPerSecond, bool refreshOffered,
                 double refreshHz) {
    const double ticks = static_cast<double>(ticksPerSecond);
    pacer.setUp = true;
    pacer.ticksPerSecond = ticksPerSecond;
    pacer.mode = refreshOffered ? PaceMode::kProbing : PaceMode::kClock;
    pacer.stepTicks = static_cast<std::int64_t>(std::ceil(kFramePeriodSeconds * ticks));
    pacer.waitingInterval = pacer.stepTicks;
    if (refreshHz >= 20.0 && refreshHz <= 500.0) {
        pacer.waitingInterval = static_cast<std::int64_t>(0.8 * ticks / refreshHz);
        pacer.refreshHz = refreshHz;
    }
}

void StartSchedule(FramePacer& pacer, std::int64_t now) {
    pacer.running = true;
    pacer.lastStepTime = now;
    pacer.lastPictureTime = now;
}

void PauseSchedule(FramePacer& pacer) {
    pacer.running = false;
    pacer.presentSeen = false;
}

int StepsDue(FramePacer& pacer, std::int64_t now) {
    if (now < pacer.lastStepTime) {
        StartSchedule(pacer, now);
        return 0;
    }
    const std::int64_t due = (now - pacer.lastStepTime) / pacer.stepTicks;
    if (due > kMostStepsPerPicture) {
        pacer.lastStepTime = now;
        return kMostStepsPerPicture;
    }
    pacer.lastStepTime += due * pacer.stepTicks;
    return static_cast<int>(due);
}

float DrawFraction(const FramePacer& pacer, std::int64_t now) {
    if (WaitsForClock(pacer) && !BatteryPaced(pacer)) {
        return 1.0f;
    }
    const double fraction =
        static_cast<double>(now - pacer.lastStepTime) / static_cast<double>(pacer.stepTicks);
    return static_cast<float>(std::clamp(fraction, 0.0, 1.0));
}

bool WaitsForClock(const FramePacer& pacer) {
    return pacer.mode == PaceMode::kClock;
}

std::int64_t NextStepTime(const FramePacer& pacer) {
    return pacer.lastStepTime + pacer.stepTicks;
}

void NotePresented(FramePacer& pacer, std::int64_t presentStart, std::int64_t presentEnd) {
    pacer.lastPresentTicks = std::max<std::int64_t>(presentEnd - presentStart, 0);
    if (BatteryPaced(pacer) && pacer.mode == PaceMode::kClock) {
        // About on time, the schedule moves on by one picture; late (a slow picture, a stall)
        // or with the clock gone back, it starts again from this present.
        const std::int64_t picture = BatteryPictureTicks(pacer);
        const std::int64_t due = pacer.lastPictureTime + picture;
        const bool onTime = presentEnd >= due - picture / 2 && presentEnd - due < picture;
        pacer.lastPictureTime = onTime ? due : presentEnd;
    }
    if (pacer.mode == PaceMode::kClock) {
        return;  // nothing more to find out: the clock paces the loop from now on
    }
    const std::int64_t interval = presentEnd - pacer.lastPresentEnd;
    const bool first = !pacer.presentSeen;
    pacer.presentSeen = true;
    pacer.lastPresentEnd = presentEnd;
    if (first) {
        return;
    }
    if (pacer.warmUpLeft > 0) {
        --pacer.warmUpLeft;
        return;
    }
    pacer.intervals[static_cast<std::size_t>(pacer.nextInterval)] = interval;
    pacer.nextInterval = (pacer.nextInterval + 1) % kWatchedPresents;
    pacer.intervalCount = std::min(pacer.intervalCount + 1, kWatchedPresents);
    if (pacer.intervalCount < kWatchedPresents) {
        return;
    }
    // The middle of the sorted intervals: at least half of them reach it.
    std::array<std::int64_t, kWatchedPresents> sorted = pacer.intervals;
    auto middle = sorted.begin() + kWatchedPresents / 2;
    std::nth_element(sorted.begin(), middle, sorted.end());
    const PaceMode decided =
        *middle >= pacer.waitingInterval ? PaceMode::kRefresh : PaceMode::kClock;
    if (pacer.mode == PaceMode::kProbing && decided == PaceMode::kRefresh &&
        pacer.refreshHz <= 0.0 && *middle > 0) {
        // The probe draws at full rate, so its presents come a refresh apart (or a whole number
        // of refreshes, for pictures slower than one, which then count as the display's rate).
        pacer.refreshHz = static_cast<double>(pacer.ticksPerSecond) / static_cast<double>(*middle);
    }
    pacer.mode = decided;
}

int RefreshesPerBatteryPicture(double refreshHz) {
    const double refreshes = std::ceil(refreshHz / kBatteryPicturesPerSecond - 0.02);
    return refreshes >= 1.0 ? static_cast<int>(refreshes) : 1;
}

bool BatteryPaced(const FramePacer& pacer) {
    return pacer.onBattery && pacer.mode != PaceMode::kProbing;
}

bool PowerSourceCheckDue(const FramePacer& pacer, std::int64_t now) {
    if (!pacer.powerSourceKnown) {
        return true;
    }
    const std::int64_t gap = now - pacer.lastPowerCheck;
    return (gap < 0 ? -gap : gap) >= TicksOf(pacer, kPowerSourceCheckSeconds);
}

void NotePowerSource(FramePacer& pacer, bool onBattery, std::int64_t now) {
    if (onBattery && !pacer.onBattery) {
        pacer.lastPictureTime = now;
    }
    pacer.onBattery = onBattery;
    pacer.powerSourceKnown = true;
    pacer.lastPowerCheck = now;
}

void RenewPowerSource(FramePacer& pacer) {
    pacer.powerSourceKnown = false;
}

PresentWait WaitBeforePresenting(const FramePacer& pacer) {
    PresentWait wait;
    if (!BatteryPaced(pacer)) {
        if (WaitsForClock(pacer)) {
            wait = {true, pacer.lastStepTime, pacer.stepTicks};
        }
        return wait;
    }
    if (pacer.mode == PaceMode::kClock) {
        const std::int64_t picture = BatteryPictureTicks(pacer);
        return {true, pacer.lastPictureTime, picture - std::min(pacer.lastPresentTicks, picture)};
    }
    // By the refresh: the pass began as the previous picture came on screen. A picture shown
    // for one refresh at a time needs no wait, and after a pause there is no previous picture.
    const int refreshes = RefreshesPerBatteryPicture(pacer.refreshHz);
    if (pacer.refreshHz > 0.0 && refreshes > 1 && pacer.presentSeen) {
        wait = {true, pacer.lastPresentEnd, TicksOf(pacer, (refreshes - 0.5) / pacer.refreshHz)};
    }
    return wait;
}

FlightPose DrawnPose(const FramePacer& pacer, const FlightState& flight) {
    return InterpolatePose(pacer.previousPose, PoseOf(flight), pacer.drawFraction);
}

}  // namespace altostrat
