#include "flight/pacing/frame_pacer.h"

#include <algorithm>
#include <cmath>

#include "flight/pacing/frame_clock.h"

namespace altostrat {

void SetUpPacing(FramePacer& pacer, std::uint64_t ticksPerSecond, bool refreshOffered,
                 double refreshHz) {
    const double ticks = static_cast<double>(ticksPerSecond);
    pacer.setUp = true;
    pacer.mode = refreshOffered ? PaceMode::kProbing : PaceMode::kClock;
    pacer.stepTicks = static_cast<std::int64_t>(std::ceil(kFramePeriodSeconds * ticks));
    pacer.waitingInterval = pacer.stepTicks;
    if (refreshHz >= 20.0 && refreshHz <= 500.0) {
        pacer.waitingInterval = static_cast<std::int64_t>(0.8 * ticks / refreshHz);
    }
}

void StartSchedule(FramePacer& pacer, std::int64_t now) {
    pacer.running = true;
    pacer.lastStepTime = now;
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
    if (WaitsForClock(pacer)) {
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

void NotePresented(FramePacer& pacer, std::int64_t presentEnd) {
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
    pacer.mode = *middle >= pacer.waitingInterval ? PaceMode::kRefresh : PaceMode::kClock;
}

FlightPose DrawnPose(const FramePacer& pacer, const FlightState& flight) {
    return InterpolatePose(pacer.previousPose, PoseOf(flight), pacer.drawFraction);
}

}  // namespace altostrat
