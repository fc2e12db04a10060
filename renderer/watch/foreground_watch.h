#pragma once
// Whether the user has left the flight another way than Escape: Alt+Tab, the Windows key, or
// another program that put itself in front. A flight left so would go on keeping the switched
// display mode and the black covers while the user works behind it, so it ends as Escape ends
// it. Only a loss after the flight first had the foreground counts: while the window is still
// coming up it has nothing to lose, and a start that Windows never gave the foreground flies on.
// The renderer's own windows taking the activation (a message box over the set-up) leave the
// flight in front; the covers never take it.

namespace altostrat {

enum class ForegroundState {
    kNotYet,  // the flight has not had the foreground yet
    kHeld,    // it has it
    kLost,    // another program took it after the flight had it: the flight ends
};

// What one activation message says about the renderer.
enum class Activation {
    kGained,            // the renderer (the flight window) became the active application
    kToOwnWindow,       // another window of the renderer's own became active
    kToAnotherProgram,  // a window of another program became active, or none did
};

// The state after ACTIVATION. A loss is final: a flight that lost the foreground ends even when
// it gets it back before it looks.
ForegroundState AfterActivation(ForegroundState current, Activation activation);

}  // namespace altostrat
