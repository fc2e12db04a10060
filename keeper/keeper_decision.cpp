#include "keeper/keeper_decision.h"

#include "common/keeper_photograph.h"

namespace altostrat {
namespace {

bool Watching(const KeeperSight& sight) {
    return sight.oursChosen && sight.saverActive && sight.timeoutSeconds > 0;
}

}  // namespace

KeeperAction StepKeeper(KeeperState& state, const KeeperSight& sight) {
    if (state.photographedThisIdleness && sight.lastInputTick != state.photographedInputTick) {
        state.photographedThisIdleness = false;  // the user came back: a new stretch
    }
    if (state.holding) {
        const bool inputCame = !state.photographedThisIdleness;
        const bool tooOld = sight.nowTick - state.heldSinceTick >= kKeeperHoldMilliseconds;
        if (inputCame || sight.hostTookIt || tooOld || !Watching(sight)) {
            state.holding = false;
            return KeeperAction::kDrop;
        }
        return KeeperAction::kNothing;
    }
    if (!Watching(sight) || !sight.inputDesktopIsDefault || sight.saverRunning ||
        state.photographedThisIdleness) {
        return KeeperAction::kNothing;
    }
    const std::uint64_t idle = sight.nowTick - sight.lastInputTick;
    const std::uint64_t timeout = std::uint64_t{sight.timeoutSeconds} * 1000;
    if (idle + kKeeperLeadMilliseconds < timeout) {
        return KeeperAction::kNothing;
    }
    state.photographedThisIdleness = true;
    state.photographedInputTick = sight.lastInputTick;
    return KeeperAction::kPhotograph;
}

void KeeperPhotographResult(KeeperState& state, bool held, std::uint32_t nowTick) {
    state.holding = held;
    state.heldSinceTick = nowTick;
    if (!held) {
        state.photographedThisIdleness = false;
    }
}

}  // namespace altostrat
