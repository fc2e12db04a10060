#include "renderer/watch/foreground_watch.h"

namespace altostrat {

ForegroundState AfterActivation(ForegroundState current, Activation activation) {
    if (current == ForegroundState::kLost) {
        return current;
    }
    switch (activation) {
        case Activation::kGained:
            return ForegroundState::kHeld;
        case Activation::kToOwnWindow:
            return current;
        case Activation::kToAnotherProgram:
            return current == ForegroundState::kHeld ? ForegroundState::kLost : current;
    }
    return current;
}

}  // namespace altostrat
