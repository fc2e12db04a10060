// The keeper's steps against the promise it keeps: photograph a few seconds before the saver's
// timeout, only for this saver, switched on, on the user's own unlocked desktop; renew it while
// the user stays away and no saver starts; drop it when the user comes back or a saver run
// starts, and photograph nothing more until the user is back (it would be of the flight); look
// again only when something can have changed; and keep nothing of the user's once the session is
// locked, disconnected or asleep, until the user is back.
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
    sight.usersDesktopShown = true;
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
    locked.usersDesktopShown = false;
    KeeperSight saverShown = Idle(61000);
    saverShown.saverRunning = true;
    KeeperSight acrossWrap = Idle(57000, 0xFFFFF000u);  // the tick count wrapped meanwhile
    KeeperSight inputAfterClock = Idle(0);              // an input stamped after the clock was read
    inputAfterClock.lastInputTick = inputAfterClock.nowTick + 5;
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
        {"input stamped after the clock", inputAfterClock, KeeperAction::kNothing},
    };
    for (const Case& c : cases) {
        KeeperState state;
        EXPECT_EQ(StepKeeper(state, c.sight), c.expected) << c.what;
    }
}

TEST(KeeperDecision, HoldsAndRenewsUntilInputOrARunThenWaitsForNewIdleness) {
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
    saverDesktop.usersDesktopShown = false;
    saverDesktop.saverRunning = true;
    KeeperSight renewDue = Idle(57000 + kKeeperRenewMilliseconds);  // a video holds the saver off
    KeeperSight renewDueLocked = renewDue;
    renewDueLocked.usersDesktopShown = false;
    const Case cases[] = {
        {"still idle", Idle(62000), KeeperAction::kNothing},
        {"a saver run started, not taking it", saverDesktop, KeeperAction::kDrop},
        {"input came back", Idle(1000, 170000), KeeperAction::kDrop},
        {"the host took it", taken, KeeperAction::kDrop},
        {"renewal due", renewDue, KeeperAction::kPhotograph},
        // A lock the notices missed: the screen is someone else's to see.
        {"renewal due, the desktop locked", renewDueLocked, KeeperAction::kDrop},
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

TEST(KeeperDecision, ALockADisconnectOrASleepDropsAtOnceAndNothingIsTakenUntilTheUserIsBack) {
    struct Case {
        const char* what;
        KeeperNotice away;
        KeeperNotice back;
    };
    const Case cases[] = {
        {"locked without a keystroke", KeeperNotice::kLocked, KeeperNotice::kUnlocked},
        {"the console or the remote connection lost", KeeperNotice::kDisconnected,
         KeeperNotice::kConnected},
        {"asleep", KeeperNotice::kSuspending, KeeperNotice::kResumed},
    };
    for (const Case& c : cases) {
        KeeperState state;
        ASSERT_EQ(StepKeeper(state, Idle(57000)), KeeperAction::kPhotograph) << c.what;
        KeeperPhotographResult(state, true, Idle(57000).nowTick);
        EXPECT_EQ(KeeperSessionNotice(state, c.away, 100000), KeeperAction::kDrop) << c.what;
        // The step the notice brings, the desktop still reported as the user's (as Wine does).
        EXPECT_EQ(StepKeeper(state, Idle(58000)), KeeperAction::kNothing) << c.what;
        EXPECT_EQ(KeeperNextStep(state, Idle(58000)), kKeeperNoStep) << c.what;
        // Input while away (a password typed) is not yet the session's return.
        EXPECT_EQ(StepKeeper(state, Idle(57000, 150000)), KeeperAction::kNothing) << c.what;
        // Back without any input since the notice: the user has not come and gone again.
        KeeperState quiet;
        StepKeeper(quiet, Idle(57000));
        KeeperPhotographResult(quiet, true, Idle(57000).nowTick);
        KeeperSessionNotice(quiet, c.away, 100000);
        EXPECT_EQ(KeeperSessionNotice(quiet, c.back, 100000), KeeperAction::kNothing) << c.what;
        EXPECT_EQ(StepKeeper(quiet, Idle(900000)), KeeperAction::kNothing) << c.what;
        // Back, and idle again after an input: photographed before the next timeout.
        KeeperSessionNotice(state, c.back, 150000);
        EXPECT_EQ(StepKeeper(state, Idle(57000, 200000)), KeeperAction::kPhotograph) << c.what;
    }

    // Each reason lasts until its own counterpart: waking from sleep does not unlock.
    KeeperState state;
    EXPECT_EQ(KeeperSessionNotice(state, KeeperNotice::kLocked, 100000), KeeperAction::kNothing);
    KeeperSessionNotice(state, KeeperNotice::kSuspending, 100000);
    KeeperSessionNotice(state, KeeperNotice::kResumed, 100000);
    EXPECT_EQ(StepKeeper(state, Idle(57000, 200000)), KeeperAction::kNothing);
    KeeperSessionNotice(state, KeeperNotice::kUnlocked, 200000);
    EXPECT_EQ(StepKeeper(state, Idle(57000, 250000)), KeeperAction::kPhotograph);
}

TEST(KeeperDecision, TheNextStepIsDueOnlyWhenSomethingCanHaveChanged) {
    struct Case {
        const char* what;
        bool holdFrom57s;   // photographed and held at 57 s of idleness
        bool hostTookIt;    // then dropped, the host having taken it
        KeeperSight sight;  // the step whose next step is asked
        std::uint32_t expected;
    };
    KeeperSight otherSaver = Idle(500);
    otherSaver.oursChosen = false;
    KeeperSight saverShown = Idle(61000);
    saverShown.saverRunning = true;
    KeeperSight shortTimeout = Idle(500);
    shortTimeout.timeoutSeconds = 8;
    KeeperSight tinyTimeout = Idle(0);
    tinyTimeout.timeoutSeconds = 2;
    tinyTimeout.usersDesktopShown = false;
    const Case cases[] = {
        {"another saver chosen: only a notice", false, false, otherSaver, kKeeperNoStep},
        {"working: at the timeout less the lead", false, false, Idle(500), 56500},
        {"just held: the recheck", true, false, Idle(57000), kKeeperRecheckMilliseconds},
        {"held nearly four minutes: the renewal", true, false,
         Idle(57000 + kKeeperRenewMilliseconds - 10000), 10000},
        {"the host took it: the recheck", true, true, Idle(63000), kKeeperRecheckMilliseconds},
        {"a saver shown: the recheck", false, false, saverShown, kKeeperRecheckMilliseconds},
        {"an 8 s timeout: the timeout less the lead", false, false, shortTimeout, 4500},
        {"a 2 s timeout: never sooner than the lead", false, false, tinyTimeout,
         kKeeperLeadMilliseconds},
    };
    for (const Case& c : cases) {
        KeeperState state;
        if (c.holdFrom57s) {
            ASSERT_EQ(StepKeeper(state, Idle(57000)), KeeperAction::kPhotograph) << c.what;
            KeeperPhotographResult(state, true, Idle(57000).nowTick);
        }
        if (c.hostTookIt) {
            KeeperSight taken = Idle(62000);
            taken.hostTookIt = true;
            ASSERT_EQ(StepKeeper(state, taken), KeeperAction::kDrop) << c.what;
        }
        StepKeeper(state, c.sight);
        EXPECT_EQ(KeeperNextStep(state, c.sight), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace altostrat
