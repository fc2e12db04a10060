#pragma once
// When the keeper photographs the screen, holds the photograph, renews it, drops it, and when it
// looks again.
//
// Windows starts a saver once the user has been idle for the saver's timeout. A few seconds
// before that, while the user's own desktop is the one shown (never a locked screen or the
// saver's own desktop), and only while this saver is the chosen, active one and no saver runs
// yet, the keeper photographs the screen. While the user stays away and still no saver starts
// (a video holds it off), a fresh photograph replaces the held one every few minutes, so that a
// saver started late still finds one newer than the host's limit. It drops the photograph when
// the user comes back (a new last input), the saver is no longer this one or no longer on, or a
// saver run has started, whether or not the host took the photograph: after that the screen
// shows the flight, and nothing more is photographed until the user has come back.
//
// Nothing of the user's is kept past the moment someone else may stand at the screen. The
// session locked (also without a keystroke: a smart card pulled, a phone out of range, a program
// calling for the lock, a remote connection taking the console), disconnected from its console
// or its remote connection, or the computer going to sleep (it may wake to a sign-in screen):
// the photograph is dropped at the notice, and none is taken until the session is back (unlocked,
// connected again, awake) and the user has come and gone again, a new last input being the sign
// of their return. Whatever the notices say, a photograph is also dropped at any step that finds
// the user's desktop not shown while no saver runs: that is a locked or another desktop.
//
// The keeper does not look once a second: each step also says when the next one is due. That is
// the moment the timeout less the lead arrives if no input comes (a look then finds any input
// since and arms again from it), sooner while a photograph is held or while the keeper waits for
// the user's return; and never, while this saver is not the chosen, active one or the session is
// away from the user. Windows' notices
// (the session locked or unlocked, the display or the settings changed, the computer asleep or
// awake) bring a step in between.

#include <cstdint>

namespace altostrat {

// What the keeper sees at one step.
struct KeeperSight {
    bool oursChosen = false;   // SCRNSAVE.EXE is the host beside the keeper (the same file)
    bool saverActive = false;  // the screensaver is switched on
    // A saver runs, or the flight's window is up: a photograph now would be of the flight.
    bool saverRunning = false;
    std::uint32_t timeoutSeconds = 0;
    bool usersDesktopShown = false;   // the input desktop is "Default"; a failure to tell: false
    std::uint32_t lastInputTick = 0;  // milliseconds, wrapping; read before the clock
    std::uint32_t nowTick = 0;        // the same clock
    bool hostTookIt = false;          // the held photograph's taken flag
};

enum class KeeperAction { kNothing, kPhotograph, kDrop };

struct KeeperState {
    bool holding = false;
    std::uint32_t heldSinceTick = 0;
    // The stretch of idleness the keeper photographed in, known by its last input; over once the
    // user comes back.
    bool inStretch = false;
    std::uint32_t stretchInputTick = 0;
    // A saver run started in this stretch: nothing more is photographed until the user is back.
    bool stretchDone = false;
    // Why the session is away from the user, each until its own counterpart notice.
    bool locked = false;
    bool disconnected = false;
    bool suspended = false;
};

// Windows' notices of the session and the power, as the keeper reads them.
enum class KeeperNotice {
    kLocked,
    kUnlocked,
    kDisconnected,  // from the console or a remote connection
    kConnected,     // to the console or a remote connection again
    kSuspending,
    kResumed,
};

// Photographing starts this long before the timeout.
inline constexpr std::uint32_t kKeeperLeadMilliseconds = 3000;
// A held photograph is replaced by a fresh one this long after it was taken, well within the
// host's limit (kKeeperHoldMilliseconds).
inline constexpr std::uint32_t kKeeperRenewMilliseconds = 4 * 60 * 1000;
// The longest wait while a photograph is held or the user's return is awaited: no notice tells
// of input, of a saver started or of the host taking the photograph.
inline constexpr std::uint32_t kKeeperRecheckMilliseconds = 30 * 1000;
// No step is due until a notice comes.
inline constexpr std::uint32_t kKeeperNoStep = 0xFFFFFFFFu;

// One step; after acting on kPhotograph, tell the result with KeeperPhotographResult.
KeeperAction StepKeeper(KeeperState& state, const KeeperSight& sight);
// After kPhotograph: whether the photograph could be taken and is held from NOW_TICK. One that
// could not be taken is tried again at the next step.
void KeeperPhotographResult(KeeperState& state, bool held, std::uint32_t nowTick);
// A notice of the session or the power, told before the step it brings. kDrop when a held
// photograph must go at once (carry it out; the step after it then finds nothing held).
// LAST_INPUT_TICK is the user's last input as read now: only a later one is their return.
KeeperAction KeeperSessionNotice(KeeperState& state, KeeperNotice notice,
                                 std::uint32_t lastInputTick);
// Milliseconds from SIGHT's now until the next step is due, after the step's action was carried
// out; kKeeperNoStep when only a notice can change anything.
std::uint32_t KeeperNextStep(const KeeperState& state, const KeeperSight& sight);

}  // namespace altostrat
