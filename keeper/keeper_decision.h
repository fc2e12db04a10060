#pragma once
// When the keeper photographs the screen, holds the photograph and drops it.
//
// Windows starts a saver once the user has been idle for the saver's timeout. A few seconds
// before that, while the user's own desktop is still the one shown (the input desktop is
// "Default", never a locked screen or the saver's own desktop), and only while this saver is the
// chosen, active one and no saver runs yet, the keeper photographs the screen once for that
// stretch of idleness. It keeps the photograph until the user comes back (a new last input), the
// host takes it, the saver is no longer this one or no longer on, or ten minutes pass; then it
// drops it and waits for the next stretch of idleness. Stepped once a second.

#include <cstdint>

namespace altostrat {

// What the keeper sees at one step.
struct KeeperSight {
    bool oursChosen = false;    // SCRNSAVE.EXE is the host beside the keeper (the same file)
    bool saverActive = false;   // the screensaver is switched on
    bool saverRunning = false;  // a screensaver already runs (its picture would be photographed)
    std::uint32_t timeoutSeconds = 0;
    bool inputDesktopIsDefault = false;  // a failure to tell counts as false
    std::uint32_t nowTick = 0;           // milliseconds, wrapping
    std::uint32_t lastInputTick = 0;     // the same clock
    bool hostTookIt = false;             // the held photograph's taken flag
};

enum class KeeperAction { kNothing, kPhotograph, kDrop };

struct KeeperState {
    bool holding = false;
    std::uint32_t heldSinceTick = 0;
    // The last input of the idleness already photographed: one photograph per stretch, so a
    // dropped one (taken, or held too long) is not taken again over the running flight.
    bool photographedThisIdleness = false;
    std::uint32_t photographedInputTick = 0;
};

// Photographing starts this long before the timeout: one step a second always meets it.
inline constexpr std::uint32_t kKeeperLeadMilliseconds = 3000;

// One step; after acting on kPhotograph, tell the result with KeeperPhotographResult.
KeeperAction StepKeeper(KeeperState& state, const KeeperSight& sight);
// After kPhotograph: whether the photograph could be taken and is held from NOW_TICK. One that
// could not be taken is tried again at the next step.
void KeeperPhotographResult(KeeperState& state, bool held, std::uint32_t nowTick);

}  // namespace altostrat
