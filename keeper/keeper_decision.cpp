#include "keeper/keeper_decision.h"

#include <algorithm>

#include "common/keeper_photograph.h"

namespace altostrat {
namespace {

bool Watching(const KeeperSight& sight) {
    return sight.oursChosen && sight.saverActive && sight.timeoutSeconds > 0;
}

bool Away(const KeeperState& state) {
    return state.locked || state.disconnected || state.suspended;
}

std::uint64_t TimeoutMilliseconds(const KeeperSight& sight) {
    return std::uint64_t{sight.timeoutSeconds} * 1000;
}

// Milliseconds since the last input; an input stamped after the clock (read in the other order,
// or moved by the system) counts as none.
std::uint32_t IdleMilliseconds(const KeeperSight& sight) {
    const std::uint32_t idle = sight.nowTick - sight.lastInputTick;
    return static_cast<std::int32_t>(idle) < 0 ? 0 : idle;
}

// The wait while the user's return is awaited: no longer than the timeout less the lead, so that
// after an input the next photograph is never missed; never shorter than the lead.
std::uint32_t RecheckMilliseconds(const KeeperSight& sight) {
    const std::uint64_t beforeTimeout = TimeoutMilliseconds(sight) > kKeeperLeadMilliseconds
                                            ? TimeoutMilliseconds(sight) - kKeeperLeadMilliseconds
                                            : 0;
    return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(
        beforeTimeout, kKeeperLeadMilliseconds, kKeeperRecheckMilliseconds));
}

}  // namespace

KeeperAction StepKeeper(KeeperState& state, const KeeperSight& sight) {
    if (state.inStretch && sight.lastInputTick != state.stretchInputTick) {
        state.inStretch = false;  // the user came back: a new stretch
        state.stretchDone = false;
    }
    if (state.holding) {
        const std::uint32_t held = sight.nowTick - state.heldSinceTick;
        const bool runStarted = sight.hostTookIt || sight.saverRunning;
        if (runStarted || held >= kKeeperHoldMilliseconds) {
            state.stretchDone = true;
        }
        // Not the user's desktop and no saver's: a lock the notices missed, or another desktop.
        if (!sight.usersDesktopShown && !sight.saverRunning) {
            state.stretchDone = true;
        }
        if (!state.inStretch || state.stretchDone || !Watching(sight) || Away(state)) {
            state.holding = false;
            return KeeperAction::kDrop;
        }
        if (held >= kKeeperRenewMilliseconds && sight.usersDesktopShown) {
            return KeeperAction::kPhotograph;  // replaces the held one
        }
        return KeeperAction::kNothing;
    }
    if (!Watching(sight) || !sight.usersDesktopShown || sight.saverRunning || state.stretchDone ||
        Away(state)) {
        return KeeperAction::kNothing;
    }
    if (IdleMilliseconds(sight) + std::uint64_t{kKeeperLeadMilliseconds} <
        TimeoutMilliseconds(sight)) {
        return KeeperAction::kNothing;
    }
    state.inStretch = true;
    state.stretchInputTick = sight.lastInputTick;
    return KeeperAction::kPhotograph;
}

KeeperAction KeeperSessionNotice(KeeperState& state, KeeperNotice notice,
                                 std::uint32_t lastInputTick) {
    switch (notice) {
        case KeeperNotice::kUnlocked:
            state.locked = false;
            return KeeperAction::kNothing;
        case KeeperNotice::kConnected:
            state.disconnected = false;
            return KeeperAction::kNothing;
        case KeeperNotice::kResumed:
            state.suspended = false;
            return KeeperAction::kNothing;
        case KeeperNotice::kLocked:
            state.locked = true;
            break;
        case KeeperNotice::kDisconnected:
            state.disconnected = true;
            break;
        case KeeperNotice::kSuspending:
            state.suspended = true;
            break;
    }
    // This stretch is over for photographs: the next one begins with the user's next input.
    state.inStretch = true;
    state.stretchInputTick = lastInputTick;
    state.stretchDone = true;
    if (!state.holding) {
        return KeeperAction::kNothing;
    }
    state.holding = false;
    return KeeperAction::kDrop;
}

void KeeperPhotographResult(KeeperState& state, bool held, std::uint32_t nowTick) {
    state.holding = held;
    state.heldSinceTick = nowTick;
}

std::uint32_t KeeperNextStep(const KeeperState& state, const KeeperSight& sight) {
    if (!Watching(sight)) {
        return kKeeperNoStep;
    }
    if (Away(state) && !state.holding) {
        return kKeeperNoStep;  // only the session's return, a notice, can change anything
    }
    const std::uint32_t recheck = RecheckMilliseconds(sight);
    if (state.holding) {
        const std::uint32_t held = sight.nowTick - state.heldSinceTick;
        const std::uint32_t toRenew =
            held < kKeeperRenewMilliseconds ? kKeeperRenewMilliseconds - held : recheck;
        return std::min(toRenew, recheck);
    }
    const std::uint64_t idleAndLead =
        IdleMilliseconds(sight) + std::uint64_t{kKeeperLeadMilliseconds};
    if (state.stretchDone || sight.saverRunning || idleAndLead >= TimeoutMilliseconds(sight)) {
        // Waiting for the user's return, for the saver's end or the user's desktop, or to try a
        // photograph that failed again.
        return recheck;
    }
    // A timeout of weeks is looked at again after at most about 24 days, the longest timer.
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(TimeoutMilliseconds(sight) - idleAndLead, 0x7FFFFFFFu));
}

}  // namespace altostrat
