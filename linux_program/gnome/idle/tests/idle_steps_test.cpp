// --idle on GNOME's decisions, as sequences of what GNOME says in the order its services say it:
// the idle monitor's watches, the session manager's answers and signals, the lock screen's, and
// the flight process's end. Each row counts what the bus layer is told to do over the sequence.
#include <gtest/gtest.h>

#include <vector>

#include "linux_program/gnome/idle/idle_steps.h"

namespace altostrat {
namespace {

using E = GnomeIdleEvent;

struct Counts {
    int userActiveWatches = 0;
    int inhibitQuestions = 0;
    int flights = 0;
    int ends = 0;
};

bool operator==(const Counts& a, const Counts& b) {
    return a.userActiveWatches == b.userActiveWatches && a.inhibitQuestions == b.inhibitQuestions &&
           a.flights == b.flights && a.ends == b.ends;
}

Counts Tell(const std::vector<E>& events, GnomeIdleState& state) {
    Counts counts;
    for (const E event : events) {
        const GnomeIdleSteps steps = StepGnomeIdle(state, event);
        counts.userActiveWatches += steps.watchUserActive;
        counts.inhibitQuestions += steps.askInhibited;
        counts.flights += steps.startFlight;
        counts.ends += steps.endFlight;
    }
    return counts;
}

TEST(GnomeIdleSteps, OneFlightASpellHeldBackByInhibitorsAndTheLock) {
    struct Case {
        const char* what;
        std::vector<E> events;
        Counts counts;
        bool flyingAfter;
    };
    const Case cases[] = {
        {"away, nothing inhibits: one flight, ended at the user's return",
         {E::kIdle, E::kNotInhibited, E::kUserActive, E::kFlightEnded},
         {1, 1, 1, 1},
         false},
        {"two spells, two flights",
         {E::kIdle, E::kNotInhibited, E::kUserActive, E::kFlightEnded, E::kIdle, E::kNotInhibited},
         {2, 2, 2, 1},
         true},
        {"a video plays: no flight while it does",
         {E::kIdle, E::kInhibited, E::kInhibitorsChanged, E::kInhibited},
         {1, 2, 0, 0},
         false},
        {"the video ends while the user is still away: the flight comes",
         {E::kIdle, E::kInhibited, E::kInhibitorsChanged, E::kNotInhibited},
         {1, 2, 1, 0},
         true},
        {"the video ends after the user is back: nothing is asked, nothing flies",
         {E::kIdle, E::kInhibited, E::kUserActive, E::kInhibitorsChanged},
         {1, 1, 0, 0},
         false},
        {"the flight closed by its own window: the rest of the spell stays empty",
         {E::kIdle, E::kNotInhibited, E::kFlightEnded, E::kInhibitorsChanged, E::kNotInhibited},
         {1, 1, 1, 0},
         false},
        {"an inhibitor added during the flight leaves it be",
         {E::kIdle, E::kNotInhibited, E::kInhibitorsChanged},
         {1, 1, 1, 0},
         true},
        {"the lock screen ends the flight, once, and nothing flies behind it",
         {E::kIdle, E::kNotInhibited, E::kLocked, E::kUserActive, E::kFlightEnded, E::kIdle,
          E::kNotInhibited},
         {2, 1, 1, 1},
         false},
        {"unlocked, the next spell flies",
         {E::kIdle, E::kNotInhibited, E::kLocked, E::kFlightEnded, E::kUnlocked, E::kUserActive,
          E::kIdle, E::kNotInhibited},
         {2, 2, 2, 1},
         true},
        {"locked while inhibited: the video's end after it starts nothing",
         {E::kIdle, E::kInhibited, E::kLocked, E::kUnlocked, E::kInhibitorsChanged,
          E::kNotInhibited},
         {1, 1, 0, 0},
         false},
        {"away again before the last flight's process has gone: asked once it has",
         {E::kIdle, E::kNotInhibited, E::kUserActive, E::kIdle, E::kNotInhibited, E::kFlightEnded,
          E::kNotInhibited},
         {2, 2, 2, 1},
         true},
        {"the user back at once, twice: the flight is told once",
         {E::kIdle, E::kNotInhibited, E::kUserActive, E::kUserActive},
         {1, 1, 1, 1},
         true},
        {"no session manager answers: nothing inhibits",
         {E::kIdle, E::kNotInhibited},
         {1, 1, 1, 0},
         true},
        {"a flight that could not start leaves the spell spent",
         {E::kIdle, E::kNotInhibited, E::kFlightEnded, E::kIdle, E::kNotInhibited},
         {2, 2, 2, 0},
         true},
    };
    for (const Case& c : cases) {
        GnomeIdleState state;
        const Counts counts = Tell(c.events, state);
        EXPECT_TRUE(counts == c.counts)
            << c.what << ": user-active watches " << counts.userActiveWatches << ", questions "
            << counts.inhibitQuestions << ", flights " << counts.flights << ", ends "
            << counts.ends;
        EXPECT_EQ(state.flying, c.flyingAfter) << c.what;
    }
}

// Locked from the start (the session came up locked, or the program started behind the lock):
// the idle watch firing behind the lock flies nothing.
TEST(GnomeIdleSteps, NothingFliesBehindALockSeenFirst) {
    GnomeIdleState state;
    const Counts counts =
        Tell({E::kLocked, E::kIdle, E::kNotInhibited, E::kInhibitorsChanged}, state);
    EXPECT_EQ(counts.flights, 0);
    EXPECT_EQ(counts.inhibitQuestions, 0);
    EXPECT_FALSE(state.flying);
}

}  // namespace
}  // namespace altostrat
