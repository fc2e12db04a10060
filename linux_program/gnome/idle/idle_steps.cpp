#include "linux_program/gnome/idle/idle_steps.h"

namespace altostrat {
namespace {

// The spell is still waiting for its flight, and nothing but the inhibitors' answer stands in
// the way.
bool Waiting(const GnomeIdleState& state) {
    return state.away && !state.spent && !state.locked && !state.flying;
}

GnomeIdleSteps EndFlight(GnomeIdleState& state) {
    GnomeIdleSteps steps;
    if (state.flying && !state.toldToEnd) {
        state.toldToEnd = true;
        steps.endFlight = true;
    }
    return steps;
}

}  // namespace

GnomeIdleSteps StepGnomeIdle(GnomeIdleState& state, GnomeIdleEvent event) {
    GnomeIdleSteps steps;
    switch (event) {
        case GnomeIdleEvent::kIdle:
            // A second firing within one spell comes only from an idle monitor made afresh (the
            // shell restarted in an X11 session), whose user-active watches are new too.
            steps.watchUserActive = true;
            state.away = true;
            state.spent = false;
            steps.askInhibited = Waiting(state);
            return steps;
        case GnomeIdleEvent::kUserActive:
            state.away = false;
            return EndFlight(state);
        case GnomeIdleEvent::kInhibited:
            return steps;
        case GnomeIdleEvent::kNotInhibited:
            if (Waiting(state)) {
                state.flying = true;
                state.spent = true;
                steps.startFlight = true;
            }
            return steps;
        case GnomeIdleEvent::kInhibitorsChanged:
            steps.askInhibited = Waiting(state);
            return steps;
        case GnomeIdleEvent::kLocked:
            state.locked = true;
            state.spent = state.spent || state.away;
            return EndFlight(state);
        case GnomeIdleEvent::kUnlocked:
            state.locked = false;
            return steps;
        case GnomeIdleEvent::kFlightEnded:
            state.flying = false;
            state.toldToEnd = false;
            steps.askInhibited = Waiting(state);
            return steps;
    }
    return steps;
}

}  // namespace altostrat
