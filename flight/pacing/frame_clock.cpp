#include "flight/pacing/frame_clock.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace altostrat {

void StartFrameClock(FrameClock& clock, const ClockSource& source) {
    clock = FrameClock{};
    std::uint64_t frequency = 0;
    if (source.queryFrequency && source.queryFrequency(frequency) && frequency != 0) {
        clock.frequency = frequency;
        clock.usePerformanceCounter = true;
        clock.counterStart = source.queryCounter();
        clock.resolution = 1.0 / static_cast<double>(frequency);
    } else {
        clock.millisecondStart = source.millisecondClock();
        clock.resolution = 0.001;
        clock.frequency = 1000;
    }
}

std::int64_t ReadClockTicks(const FrameClock& clock, const ClockSource& source) {
    if (clock.usePerformanceCounter) {
        return source.queryCounter() - clock.counterStart;
    }
    const std::uint32_t elapsed = source.millisecondClock() - clock.millisecondStart;
    return static_cast<std::int64_t>(elapsed);
}

double ReadClockSeconds(const FrameClock& clock, const ClockSource& source) {
    return static_cast<double>(ReadClockTicks(clock, source)) * clock.resolution;
}

std::int64_t WaitFramePeriod(const FrameClock& clock, const ClockSource& source,
                             std::int64_t since) {
    const auto periodTicks = static_cast<std::int64_t>(
        std::ceil(kFramePeriodSeconds * static_cast<double>(clock.frequency)));
    return WaitClockGap(clock, source, since, periodTicks);
}

std::int64_t WaitClockGap(const FrameClock& clock, const ClockSource& source, std::int64_t since,
                          std::int64_t ticks) {
    // The gap is taken as an absolute value, as a clock that steps back (a wrapped millisecond
    // clock) must not make the loop wait for ever.
    auto gap = [&] {
        const std::int64_t d = ReadClockTicks(clock, source) - since;
        return d < 0 ? -d : d;
    };
    while (gap() < ticks) {
        source.sleep(1);
    }
    return ReadClockTicks(clock, source);
}

ClockSource SystemClockSource() {
    using Clock = std::chrono::steady_clock;
    ClockSource source;
    source.queryFrequency = [](std::uint64_t& frequency) {
        frequency = static_cast<std::uint64_t>(Clock::period::den / Clock::period::num);
        return true;
    };
    source.queryCounter = [] {
        return static_cast<std::int64_t>(Clock::now().time_since_epoch().count());
    };
    source.millisecondClock = [] {
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch());
        return static_cast<std::uint32_t>(ms.count());
    };
    source.sleep = [](unsigned milliseconds) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    };
    return source;
}

}  // namespace altostrat
