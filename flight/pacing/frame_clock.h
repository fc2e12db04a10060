#pragma once
// The frame clock times the frame loop: the flight's steps fall due every 15 ms on it, and a
// loop paced by the clock waits for the next step in 1 ms sleeps (frame_pacer.h). It prefers a
// high-resolution counter and falls back to the millisecond clock only when there is none.
// Readings are kept as whole counter ticks rather than single-precision seconds, so the pacing
// stays exact however many hours the flight runs.

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

// Sleeps in 1 ms steps until a frame period has passed since the reading `since` (in ticks);
// gives the reading at the end. A frame that already took longer does not wait.
std::int64_t WaitFramePeriod(const FrameClock& clock, const ClockSource& source,
                             std::int64_t since);

// The same wait for any gap: sleeps in 1 ms steps until `ticks` have passed since `since`.
std::int64_t WaitClockGap(const FrameClock& clock, const ClockSource& source, std::int64_t since,
                          std::int64_t ticks);

// The clock of the machine the portable code runs on (steady_clock, sleep_for).
ClockSource SystemClockSource();

}  // namespace altostrat
