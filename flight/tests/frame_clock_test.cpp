#include "flight/pacing/frame_clock.h"

#include <gtest/gtest.h>

namespace altostrat {
namespace {

// A clock that only moves when the code sleeps or the test advances it.
struct FakeClock {
    bool hasCounter = true;
    std::uint64_t frequency = 10'000'000;
    std::int64_t counter = 0;
    std::uint32_t milliseconds = 0;
    int sleeps = 0;

    void Advance(double seconds) {
        counter += static_cast<std::int64_t>(seconds * static_cast<double>(frequency));
        milliseconds += static_cast<std::uint32_t>(seconds * 1000.0);
    }
    ClockSource Source() {
        ClockSource source;
        source.queryFrequency = [this](std::uint64_t& f) {
            f = frequency;
            return hasCounter;
        };
        source.queryCounter = [this] { return counter; };
        source.millisecondClock = [this] { return milliseconds; };
        source.sleep = [this](unsigned ms) {
            ++sleeps;
            Advance(ms / 1000.0);
        };
        return source;
    }
};

TEST(FrameClock, PrefersTheCounterAndFallsBackToMilliseconds) {
    FakeClock fake;
    fake.counter = 123456;
    FrameClock clock;
    StartFrameClock(clock, fake.Source());
    EXPECT_TRUE(clock.usePerformanceCounter);
    EXPECT_EQ(clock.counterStart, 123456);
    EXPECT_EQ(clock.frequency, 10'000'000u);

    FakeClock noCounter;
    noCounter.hasCounter = false;
    noCounter.milliseconds = 5000;
    StartFrameClock(clock, noCounter.Source());
    EXPECT_FALSE(clock.usePerformanceCounter);
    EXPECT_EQ(clock.frequency, 1000u);
    EXPECT_EQ(clock.millisecondStart, 5000u);
    noCounter.Advance(0.25);
    EXPECT_DOUBLE_EQ(ReadClockSeconds(clock, noCounter.Source()), 0.25);
}

TEST(FrameClock, WaitsOutFifteenMillisecondsInOneMillisecondSleeps) {
    FakeClock fake;
    const ClockSource source = fake.Source();
    FrameClock clock;
    StartFrameClock(clock, source);
    fake.Advance(0.004);  // the frame took 4 ms to draw
    EXPECT_EQ(WaitFramePeriod(clock, source, 0), 150000);
    EXPECT_EQ(fake.sleeps, 11);
}

TEST(FrameClock, SlowFrameIsFollowedByNoWait) {
    FakeClock fake;
    const ClockSource source = fake.Source();
    FrameClock clock;
    StartFrameClock(clock, source);
    fake.Advance(0.040);
    EXPECT_EQ(WaitFramePeriod(clock, source, 0), 400000);
    EXPECT_EQ(fake.sleeps, 0);
}

TEST(FrameClock, PaceStaysExactAfterDaysOfRunning) {
    // Single-precision seconds would step by 8 ms after a day and by 0.5 s after a year;
    // whole ticks keep the period at 15 ms.
    FakeClock fake;
    const ClockSource source = fake.Source();
    FrameClock clock;
    StartFrameClock(clock, source);
    fake.Advance(3.0 * 24 * 3600);
    WaitFramePeriod(clock, source, ReadClockTicks(clock, source));
    EXPECT_EQ(fake.sleeps, 15);
}

TEST(FrameClock, MillisecondClockWrapDoesNotStall) {
    FakeClock fake;
    fake.hasCounter = false;
    fake.milliseconds = 0xFFFFFFF0u;  // 16 ms before the 32-bit wrap
    const ClockSource source = fake.Source();
    FrameClock clock;
    StartFrameClock(clock, source);
    fake.Advance(0.010);
    // crosses the wrap while waiting
    EXPECT_EQ(WaitFramePeriod(clock, source, 0), 15);
    EXPECT_EQ(fake.sleeps, 5);
}

}  // namespace
}  // namespace altostrat
