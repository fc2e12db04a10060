// The keeper's steps against the promise it keeps: photograph a few seconds before the saver's
// timeout, only for this saver, switched on, on the user's own unlocked desktop; hold until the
// user comes back, the host takes it or ten minutes pass; never photograph twice in one stretch
// of idleness (the second would be of the flight).
#include "keeper/keeper_decision.h"

#include <gtest/gtest.h>

#include "common/keeper_photograph.h"

namespace altostrat {
namespace {

// Idle for IDLE_MS of a 60-second timeout, this saver chosen and on, the user's desktop shown.
KeeperSight Idle(std::uint32_t idleMs, std::uint32_t lastInput = 100000) {
    KeeperSight sight;
    sight.oursChosen = true;
    sight.saverActive = true;
    sight.timeoutSeconds = 60;
    sight.inputDesktopIsDefault = true;
    sight.lastInputTick = lastInput;
    sight.nowTick = lastInput + idleMs;
    return sight;
}

TEST(KeeperDecision, PhotographsOnlyJustBeforeThisSaversTimeoutOnTheUsersDesktop) {
    struct Case {
        const char* what;
        KeeperSight sight;
        KeeperAction expected;
    };
    KeeperSight otherSaver = Idle(57000);
    otherSaver.oursChosen = false;
    KeeperSight saverOff = Idle(57000);
    saverOff.saverActive = false;
    KeeperSight noTimeout = Idle(57000);
    noTimeout.timeoutSeconds = 0;
    KeeperSight locked = Idle(57000);
    locked.inputDesktopIsDefault = false;
    KeeperSight saverShown = Idle(61000);
    saverShown.saverRunning = true;
    KeeperSight acrossWrap = Idle(57000, 0xFFFFF000u);  // the tick count wrapped meanwhile
    const Case cases[] = {
        {"working", Idle(500), KeeperAction::kNothing},
        {"four seconds before", Idle(56000), KeeperAction::kNothing},
        {"three seconds before", Idle(57000), KeeperAction::kPhotograph},
        {"past the timeout, no saver shown yet", Idle(600000), KeeperAction::kPhotograph},
        {"another saver chosen", otherSaver, KeeperAction::kNothing},
        {"screensaver off", saverOff, KeeperAction::kNothing},
        {"no timeout", noTimeout, KeeperAction::kNothing},
        {"locked or another desktop", locked, KeeperAction::kNothing},
        {"a saver already shown", saverShown, KeeperAction::kNothing},
        {"across the tick's wrap", acrossWrap, KeeperAction::kPhotograph},
    };
    for (const Case& c : cases) {
        KeeperState state;
        EXPECT_EQ(StepKeeper(state, c.sight), c.expected) << c.what;
    }
}

TEST(KeeperDecision, HoldsUntilInputTakingTimeOrTheSaverChangesThenWaitsForNewIdleness) {
    struct Case {
        const char* what;
        KeeperSight later;  // a step while holding
        KeeperAction expected;
    };
    KeeperSight taken = Idle(62000);
    taken.hostTookIt = true;
    KeeperSight otherSaver = Idle(62000);
    otherSaver.oursChosen = false;
    KeeperSight saverDesktop = Idle(62000);  // the saver's own desktop is the input desktop now
    saverDesktop.inputDesktopIsDefault = false;
    saverDesktop.saverRunning = true;
    const Case cases[] = {
        {"still idle", Idle(62000), KeeperAction::kNothing},
        {"on the saver's desktop", saverDesktop, KeeperAction::kNothing},
        {"input came back", Idle(1000, 170000), KeeperAction::kDrop},
        {"the host took it", taken, KeeperAction::kDrop},
        {"ten minutes held", Idle(57000 + kKeeperHoldMilliseconds), KeeperAction::kDrop},
        {"another saver chosen", otherSaver, KeeperAction::kDrop},
    };
    for (const Case& c : cases) {
        KeeperState state;
        ASSERT_EQ(StepKeeper(state, Idle(57000)), KeeperAction::kPhotograph);
        KeeperPhotographResult(state, true, Idle(57000).nowTick);
        EXPECT_EQ(StepKeeper(state, c.later), c.expected) << c.what;
    }

    // Dropped because the host took it: the screen now shows the flight, never photographed.
    KeeperState state;
    StepKeeper(state, Idle(57000));
    KeeperPhotographResult(state, true, Idle(57000).nowTick);
    ASSERT_EQ(StepKeeper(state, taken), KeeperAction::kDrop);
    EXPECT_EQ(StepKeeper(state, Idle(63000)), KeeperAction::kNothing);
    // The user comes back and leaves again: a new photograph before the next timeout.
    EXPECT_EQ(StepKeeper(state, Idle(1000, 200000)), KeeperAction::kNothing);
    EXPECT_EQ(StepKeeper(state, Idle(57500, 200000)), KeeperAction::kPhotograph);
    // A photograph that could not be taken is tried again at the next step.
    KeeperPhotographResult(state, false, Idle(57500, 200000).nowTick);
    EXPECT_EQ(StepKeeper(state, Idle(58500, 200000)), KeeperAction::kPhotograph);
}

}  // namespace
}  // namespace altostrat
