// The frame loop over a simulated display (the code the tool's "pace" command runs): the flight
// keeps its designed pace of one step per 15 ms on every display, every refresh gets a picture
// that moves evenly, a display whose presenting does not wait gets the old one picture per step,
// a stall is not made up by racing, and the flight passes through exactly the states of one
// step per picture. On battery, at most 30 pictures a second, each held for the same number of
// refreshes, at the same pace. Then what a picture shows between two steps.
#include <gtest/gtest.h>

#include <cmath>

#include "flight/loop/pace_simulation.h"
#include "flight/motion/flight_pose.h"
#include "flight/scene/scene.h"

namespace altostrat {
namespace {

constexpr double kDesignPace = 1.0 / 0.015;  // steps a second

SimulatedRun RunOf(double refreshHz, double drawMs, double seconds) {
    SimulatedRun run;
    run.refreshHz = refreshHz;
    run.drawMilliseconds = drawMs;
    run.seconds = seconds;
    return run;
}

TEST(FramePace, EveryDisplayGetsTheDesignedPaceAndAnEvenPictureAtEachRefresh) {
    for (const double hz : {60.0, 144.0, 240.0}) {
        SCOPED_TRACE(hz);
        const PaceFigures paced = SimulatePace(RunOf(hz, 2.0, 5.0));
        EXPECT_NEAR(paced.stepsPerSecond, kDesignPace, 0.005 * kDesignPace);
        EXPECT_NEAR(paced.framesPerSecond, hz, 0.005 * hz);
        EXPECT_LT(paced.advanceSpread, 0.05);

        // Presenting asked to wait and returning at once: one picture per step, no more.
        SimulatedRun ignored = RunOf(hz, 2.0, 5.0);
        ignored.presentWaits = false;
        const PaceFigures clock = SimulatePace(ignored);
        EXPECT_NEAR(clock.stepsPerSecond, kDesignPace, 0.005 * kDesignPace);
        EXPECT_NEAR(clock.framesPerSecond, kDesignPace, 0.01 * kDesignPace);
    }
    // Drawing slower than a refresh: several steps per picture keep the pace.
    const PaceFigures slow = SimulatePace(RunOf(60.0, 30.0, 5.0));
    EXPECT_NEAR(slow.stepsPerSecond, kDesignPace, 0.01 * kDesignPace);
    EXPECT_NEAR(slow.framesPerSecond, 30.0, 0.3);

    // As under Wine on Xvfb: no refresh rate reported, presents returning at once, a picture
    // drawn in 14 ms. Trusting the present would draw 71 pictures a second; the old loop drew
    // one per step.
    SimulatedRun software = RunOf(60.0, 14.0, 5.0);
    software.presentWaits = false;
    software.reportsRefresh = false;
    const PaceFigures wine = SimulatePace(software);
    EXPECT_NEAR(wine.framesPerSecond, kDesignPace, 0.01 * kDesignPace);
    EXPECT_NEAR(wine.stepsPerSecond, kDesignPace, 0.005 * kDesignPace);
}

TEST(FramePace, AStallIsNotMadeUpByRacing) {
    SimulatedRun run = RunOf(60.0, 2.0, 6.0);
    run.stallAtSeconds = 3.0;
    run.stallMilliseconds = 2000.0;
    const PaceFigures figures = SimulatePace(run);
    // The picture after the stall shows at most a tenth of a second more flight...
    EXPECT_LE(figures.mostStepsPerPicture, 0.1 * kDesignPace);
    EXPECT_GE(figures.mostStepsPerPicture, 2);
    // ...and the two seconds lost are not flown later: 3 of the 5 measured seconds are flight.
    EXPECT_NEAR(figures.stepsPerSecond, kDesignPace * 3.0 / 5.0, 0.02 * kDesignPace);
}

// On battery a picture stays for ceil(refresh / 30) refreshes, every one of them for the same
// number, while the flight keeps its pace and moves evenly from picture to picture; a display
// that does not wait for the refresh gets the same rate from the clock.
TEST(FramePace, OnBatteryEachPictureStaysForTheSameRefreshesAtTheDesignedPace) {
    struct Expected {
        double hz;
        int refreshes;
        double pictures;
    };
    for (const Expected& expected : {Expected{60.0, 2, 30.0}, Expected{75.0, 3, 25.0},
                                     Expected{144.0, 5, 28.8}, Expected{240.0, 8, 30.0}}) {
        SCOPED_TRACE(expected.hz);
        SimulatedRun run = RunOf(expected.hz, 2.0, 6.0);
        run.onBattery = true;
        const PaceFigures battery = SimulatePace(run);
        EXPECT_NEAR(battery.stepsPerSecond, kDesignPace, 0.005 * kDesignPace);
        EXPECT_NEAR(battery.framesPerSecond, expected.pictures, 0.01 * expected.pictures);
        EXPECT_EQ(battery.fewestRefreshesPerPicture, expected.refreshes);
        EXPECT_EQ(battery.mostRefreshesPerPicture, expected.refreshes);
        EXPECT_LT(battery.advanceSpread, 0.05);

        run.presentWaits = false;
        const PaceFigures clock = SimulatePace(run);
        EXPECT_NEAR(clock.stepsPerSecond, kDesignPace, 0.005 * kDesignPace);
        EXPECT_NEAR(clock.framesPerSecond, expected.pictures, 0.01 * expected.pictures);
    }
    // Under Wine on Xvfb no rate is reported and presenting does not wait: 30 a second.
    SimulatedRun software = RunOf(60.0, 14.0, 6.0);
    software.onBattery = true;
    software.presentWaits = false;
    software.reportsRefresh = false;
    EXPECT_NEAR(SimulatePace(software).framesPerSecond, 30.0, 0.3);
    // Presenting waits but the rate is not reported: the probe's presents tell it.
    software.presentWaits = true;
    const PaceFigures measured = SimulatePace(software);
    EXPECT_NEAR(measured.framesPerSecond, 30.0, 0.3);
    EXPECT_EQ(measured.fewestRefreshesPerPicture, 2);
    EXPECT_EQ(measured.mostRefreshesPerPicture, 2);
}

// The loop that took one step per picture wrapped the position before every step. Paced, with
// several steps before some pictures and none before others, the flight must still pass
// through exactly those states, bit for bit.
TEST(FramePace, PacedFlightIsTheFlightOfOneStepPerPicture) {
    for (const double drawMs : {2.0, 30.0}) {
        SCOPED_TRACE(drawMs);
        SimulatedRun run = RunOf(144.0, drawMs, 20.0);
        run.calendarFollowsClock = false;
        const PaceFigures figures = SimulatePace(run);
        ASSERT_GT(figures.stepsTaken, 1000u);

        FlightState flight;
        CrtRandom random;
        const std::uint64_t steps = kSimulationStartSteps + figures.stepsTaken;
        for (std::uint64_t i = 0; i < steps; ++i) {
            KeepFlightInsidePeriod(flight);
            UpdateFlight(flight, random, kSimulationCalendarStart);
        }
        KeepFlightInsidePeriod(flight);
        const FlightState& paced = figures.flight;
        EXPECT_EQ(paced.flightX, flight.flightX);
        EXPECT_EQ(paced.flightZ, flight.flightZ);
        EXPECT_EQ(paced.heading, flight.heading);
        EXPECT_EQ(paced.bank, flight.bank);
        EXPECT_EQ(paced.bodyYaw, flight.bodyYaw);
        EXPECT_EQ(paced.speed, flight.speed);
        EXPECT_EQ(paced.throttle, flight.throttle);
        EXPECT_EQ(paced.phaseLength, flight.phaseLength);
        EXPECT_EQ(paced.straightFlight, flight.straightFlight);
    }
}

// Between two steps a picture shows the flight part of the way along: across the terrain's wrap
// the same ground point as halfway along the unwrapped step, and with the heading going past
// 360 degrees the flight direction turned part of the way, not round the other way.
TEST(FlightPose, InterpolationFollowsTheFlightAcrossTheWrapAndPast360Degrees) {
    FlightPose before;
    before.flightX = -0.3f;    // about to leave the period at 0
    before.flightZ = -499.8f;  // about to leave it at -500
    before.heading = 359.6f;
    FlightPose after = before;
    after.flightX = -0.3f + 0.8f - 500.0f;  // the step crossed 0, and the flight was wrapped
    after.flightZ = -499.8f - 0.4f + 500.0f;
    after.heading = 360.6f;

    const FlightPose half = InterpolatePose(before, after, 0.5f);
    // The ground point halfway along the unwrapped step (0.1, -500.0), inside the period.
    auto groundApart = [](double a, double b) { return std::fabs(std::remainder(a - b, 500.0)); };
    EXPECT_LT(groundApart(half.flightX, 0.1), 1e-3);
    EXPECT_LT(groundApart(half.flightZ, -500.0), 1e-3);
    for (const float position : {half.flightX, half.flightZ}) {
        EXPECT_GE(position, -500.0f);
        EXPECT_LE(position, 0.0f);
    }
    // The direction of flight (-sin, -cos of the heading) turned half of the one degree.
    const double pi = std::acos(-1.0);
    auto direction = [pi](double degrees) {
        return std::atan2(-std::sin(degrees * pi / 180), -std::cos(degrees * pi / 180));
    };
    const double turned = std::remainder(direction(half.heading) - direction(359.6), 2 * pi);
    EXPECT_NEAR(turned * 180 / pi, 0.5, 1e-3);

    // A quarter of the way, the bank, body yaw and speed a quarter of the way too.
    after.bank = 2.0f;
    after.bodyYaw = 4.0f;
    after.speed = 9.0f;
    const FlightPose quarter = InterpolatePose(before, after, 0.25f);
    EXPECT_FLOAT_EQ(quarter.bank, 0.5f);
    EXPECT_FLOAT_EQ(quarter.bodyYaw, 1.0f);
    EXPECT_FLOAT_EQ(quarter.speed, 6.0f);
    EXPECT_NEAR(quarter.flightX, -0.3f + 0.2f, 1e-4f);
}

}  // namespace
}  // namespace altostrat
