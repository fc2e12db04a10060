// When leaving the foreground ends the flight: as Windows' own screen saver library ends a
// saver that another program deactivates, but only once the flight had the foreground.
#include "renderer/watch/foreground_watch.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace altostrat {
namespace {

bool EndsAfter(std::initializer_list<Activation> activations) {
    ForegroundState state = ForegroundState::kNotYet;
    for (Activation activation : activations) {
        state = AfterActivation(state, activation);
    }
    return state == ForegroundState::kLost;
}

TEST(ForegroundWatch, EndsOnlyWhenAnotherProgramTakesTheForegroundTheFlightHad) {
    constexpr Activation kGained = Activation::kGained;
    constexpr Activation kOwn = Activation::kToOwnWindow;
    constexpr Activation kOther = Activation::kToAnotherProgram;
    // Alt+Tab, the Windows key, a program putting itself in front.
    EXPECT_TRUE(EndsAfter({kGained, kOther}));
    // Still coming up, or never given the foreground by Windows: nothing to lose.
    EXPECT_FALSE(EndsAfter({}));
    EXPECT_FALSE(EndsAfter({kOther}));
    EXPECT_FALSE(EndsAfter({kOther, kGained}));
    // A message box of the renderer's own over the set-up, closed again.
    EXPECT_FALSE(EndsAfter({kGained, kOwn, kGained}));
    EXPECT_FALSE(EndsAfter({kGained, kOwn}));
    // Once lost, the flight ends even if it got the foreground back before it looked.
    EXPECT_TRUE(EndsAfter({kGained, kOther, kGained}));
    EXPECT_TRUE(EndsAfter({kGained, kOwn, kOther}));
}

}  // namespace
}  // namespace altostrat
