#include "flight/motion/flight_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace altostrat {
namespace {

constexpr std::int64_t kTime = 1700000000;

struct Flight {
    FlightState state;
    CrtRandom random;
    void Step(std::int64_t time = kTime) { UpdateFlight(state, random, time); }
    void Steps(int n, std::int64_t time = kTime) {
        for (int i = 0; i < n; ++i)
            Step(time);
    }
};

// The two values a phase change draws after reseeding with the calendar second.
struct Draws {
    int first;
    int second;
};
Draws DrawsAfterSeed(std::int64_t time) {
    CrtRandom random;
    SeedRandom(random, static_cast<std::uint32_t>(time));
    const int first = NextRandom(random);
    return {first, NextRandom(random)};
}

TEST(FlightModel, FirstStraightStretchLastsTwoHundredSteps) {
    Flight flight;
    flight.Steps(200);
    EXPECT_TRUE(flight.state.straightFlight);
    EXPECT_EQ(flight.state.straightSteps, 200);
    // Flying straight along heading 0 keeps x and moves towards -z.
    EXPECT_EQ(flight.state.flightX, -250.0f);
    EXPECT_LT(flight.state.flightZ, -250.0f);
    EXPECT_EQ(flight.state.heading, 0.0f);

    flight.Step();  // step 201
    const Draws draws = DrawsAfterSeed(kTime);
    EXPECT_FALSE(flight.state.straightFlight);
    EXPECT_EQ(flight.state.turnDirection, draws.first % 2);
    EXPECT_EQ(flight.state.phaseLength, draws.second % 500 + 100);
    EXPECT_EQ(flight.state.straightSteps, 0);
    EXPECT_EQ(flight.state.turnSteps, 0);
}

TEST(FlightModel, TurnDirectionAndLengthFollowTheCalendarSecond) {
    // Over a spread of seconds both directions and many lengths must occur.
    bool sawLeft = false, sawRight = false;
    for (std::int64_t time = kTime; time < kTime + 40; ++time) {
        Flight flight;
        flight.Steps(201, time);
        ASSERT_GE(flight.state.phaseLength, 100);
        ASSERT_LE(flight.state.phaseLength, 599);
        (flight.state.turnDirection == 1 ? sawLeft : sawRight) = true;
    }
    EXPECT_TRUE(sawLeft && sawRight);
}

TEST(FlightModel, PhaseChangesWithinOneSecondDrawTheSameValues) {
    Flight flight;
    flight.Steps(201);
    const std::int32_t turnLength = flight.state.phaseLength;
    flight.Steps(turnLength + 1);  // the last of these ends the turn, in the same second
    ASSERT_TRUE(flight.state.straightFlight);
    // Reseeded identically, the straight stretch takes the value the turn's direction took.
    const Draws draws = DrawsAfterSeed(kTime);
    EXPECT_EQ(flight.state.phaseLength, draws.first % 500 + 100);
    EXPECT_EQ(turnLength, draws.second % 500 + 100);
}

TEST(FlightModel, TurnAppliesOneBankIncrementPerStepAndNoneOnItsLastStep) {
    Flight flight;
    flight.Steps(201);
    const float sign = flight.state.turnDirection == 1 ? 1.0f : -1.0f;
    const std::int32_t length = flight.state.phaseLength;
    for (int i = 1; i <= length; ++i) {
        const float before = flight.state.bank;
        const float increment = 5.0f / (std::fabs(flight.state.speed) + 1.0f);
        const float throttle = flight.state.throttle;
        flight.Step();
        ASSERT_EQ(flight.state.turnSteps, i);
        ASSERT_EQ(flight.state.bank, (before + sign * increment) * 0.935f) << "turn step " << i;
        ASSERT_LT(flight.state.throttle, throttle + 0.01f);
    }
    // The step that ends the turn only lets the bank decay.
    const FlightState before = flight.state;
    flight.Step();
    EXPECT_TRUE(flight.state.straightFlight);
    EXPECT_EQ(flight.state.bank, before.bank * 0.935f);
    const float rate = ((5.0f - before.throttle) * 0.1f + before.throttleRate) * 0.9f;
    EXPECT_EQ(flight.state.throttle, before.throttle + rate * 0.1f);
}

TEST(FlightModel, StraightFlightSettlesNearTwentyFourAndAHalf) {
    Flight flight;
    flight.state.phaseLength = 1000000;  // no turn
    flight.Steps(4000);
    EXPECT_EQ(flight.state.throttle, 5.0f);
    EXPECT_NEAR(flight.state.speed, 10.0f * std::sqrt(6.0f), 0.01f);
    // About 0.78 units per step, straight along -z.
    const float z = flight.state.flightZ;
    flight.Step();
    EXPECT_NEAR(z - flight.state.flightZ, 0.78f, 0.01f);
    EXPECT_EQ(flight.state.flightX, -250.0f);
}

TEST(FlightModel, SpeedRisesSteadilyFromFive) {
    Flight flight;
    float previous = flight.state.speed;
    for (int i = 0; i < 200; ++i) {
        flight.Step();
        ASSERT_GT(flight.state.speed, previous);
        previous = flight.state.speed;
    }
    EXPECT_LT(previous, 24.5f);
}

TEST(FlightModel, LongTurnSettlesBankThrottleAndTurnRate) {
    Flight flight;
    flight.Steps(201);
    flight.state.turnDirection = 1;
    flight.state.phaseLength = 1000000;
    flight.Steps(5000);
    EXPECT_NEAR(flight.state.bank, 2.9f, 0.1f);
    EXPECT_NEAR(flight.state.throttle, 4.54f, 0.05f);
    EXPECT_NEAR(flight.state.speed, 23.5f, 0.2f);
    const float heading = flight.state.heading;
    flight.Step();
    EXPECT_NEAR(flight.state.heading - heading, 0.97f, 0.02f);
}

TEST(FlightModel, StraightStretchLetsTheBankDecay) {
    Flight flight;
    flight.state.bank = 2.0f;
    flight.Step();
    EXPECT_EQ(flight.state.bank, 2.0f * 0.935f);
    EXPECT_EQ(flight.state.heading, 2.0f * 0.935f * 0.33333334f);
}

TEST(FlightModel, MovesAlongMinusSinMinusCosOfTheHeading) {
    Flight flight;
    flight.state.heading = 90.0f;
    flight.state.phaseLength = 1000000;
    flight.Step();
    EXPECT_LT(flight.state.flightX, -250.0f);
    EXPECT_NEAR(flight.state.flightZ, -250.0f, 1e-4f);
}

}  // namespace
}  // namespace altostrat
