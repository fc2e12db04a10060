#pragma once
// The frame clock paces the frame loop: at least 15 ms from the end of one frame to the end of
// the next, polled with 1 ms sleeps. It prefers a high-resolution counter and falls back to the
// millisecond clock only when there is none. Readings are kept as whole counter ticks rather
// than single-precision seconds, so the pacing stays exact however many hours the flight runs.

#include <cstdint>
#include <functional>

namespace altostrat {

// What the platform offers: a high-resolution counter (QueryPerformanceFrequency/Counter on
// Windows), a wrapping 32-bit millisecond clock (timeGetTime) and a sleep.
struct ClockSource {
    std::function<bool(std::uint64_t& frequency)> queryFrequency;  // false: no counter
    std::function<std::int64_t()> queryCounter;
    std::function<std::uint32_t()> millisecondClock;
    std::function<void(unsigned milliseconds)> sleep;
};

struct FrameClock {
    std::uint64_t frequency = 0;  // ticks per second (1000 for the millisecond clock)
    double resolution = 0.0;      // seconds per tick
    std::uint32_t millisecondStart = 0;
    bool usePerformanceCounter = false;
    std::int64_t counterStart = 0;
};

constexpr double kFramePeriodSeconds = 0.015;
constexpr unsigned kFramePeriodMilliseconds =
    static_cast<unsigned>(kFramePeriodSeconds * 1000.0 + 0.5);

void StartFrameClock(FrameClock& clock, const ClockSource& source);

// Ticks since the clock was started. The millisecond clock is read as an unsigned 32-bit
// difference, so its wrap after 49.7 days does not disturb the count.
std::int64_t ReadClockTicks(const FrameClock& clock, const ClockSource& source);

double ReadClockSeconds(const FrameClock& clock, const ClockSource& source);

// Sleeps in 1 ms steps until a frame period has passed since lastFrameEnd (in ticks), then sets
// lastFrameEnd to the reading at the end. A frame that already took longer does not wait.
void WaitFramePeriod(const FrameClock& clock, const ClockSource& source,
                     std::int64_t& lastFrameEnd);

// The clock of the machine the portable code runs on (steady_clock, sleep_for).
ClockSource SystemClockSource();

}  // namespace altostrat
