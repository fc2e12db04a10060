// The run's flights as both display paths fly them, held to flights flown alone: flight i of a
// set flies exactly as a flight flown by itself from flight i's start, whose calendar runs i days
// ahead of the lead's, whether the passes draw it or not. The passes are unpaced (a step a pass)
// and draw nothing, so the steps alone are compared; the calendar moves on a second a pass, and
// enough passes go by for several changes of phase, where the calendar seeds the turns.
#include <gtest/gtest.h>

#include <cstdint>

#include "flight/display/monitor_flights.h"
#include "flight/loop/frame_step.h"
#include "linux_program/run/flight_set.h"

namespace altostrat {
namespace {

constexpr std::int64_t kMonday = 1765152000;  // 2025-12-08 00:00 UTC
constexpr std::int64_t kDay = 86400;
constexpr int kPasses = 1500;

void ExpectSameFlight(const FlightState& set, const FlightState& alone, int flight) {
    EXPECT_EQ(set.flightX, alone.flightX) << "flight " << flight;
    EXPECT_EQ(set.flightZ, alone.flightZ) << "flight " << flight;
    EXPECT_EQ(set.heading, alone.heading) << "flight " << flight;
    EXPECT_EQ(set.bank, alone.bank) << "flight " << flight;
    EXPECT_EQ(set.speed, alone.speed) << "flight " << flight;
    EXPECT_EQ(set.turnDirection, alone.turnDirection) << "flight " << flight;
    EXPECT_EQ(set.phaseLength, alone.phaseLength) << "flight " << flight;
}

TEST(FlightSet, FlightIFliesAsAloneFromItsOwnStartOnACalendarIDaysAhead) {
    HackOptions options;
    options.showAircraft = false;
    ScenePlatform platform;
    platform.waitForFramePeriod = false;
    FlightSet set;
    for (int i = 0; i < 3; ++i) {
        AddFlight(set, options);
    }
    // The first half draws every flight, each follower brought up to the lead as it is drawn;
    // the second draws the lead alone, as when the followers' outputs are off.
    for (int pass = 0; pass < kPasses; ++pass) {
        const std::int64_t calendar = kMonday + pass;
        ASSERT_TRUE(RunFlightPass(set, platform, calendar, [&set, pass, calendar] {
            for (std::size_t i = 1; pass < kPasses / 2 && i < set.flights.size(); ++i) {
                FollowLead(set, i, calendar);
            }
        }));
    }
    for (int i = 0; i < 3; ++i) {
        RendererState alone;
        alone.flight = FlightStartFor(i);
        for (int pass = 0; pass < kPasses; ++pass) {
            RunFrameStep(alone, platform, true, kMonday + pass + i * kDay, [](RendererState&) {});
        }
        ExpectSameFlight(set.flights[static_cast<std::size_t>(i)].flight, alone.flight, i);
    }
    // Apart, the three no longer fly alike.
    EXPECT_NE(set.flights[1].flight.heading, set.flights[2].flight.heading);
}

}  // namespace
}  // namespace altostrat
