#pragma once
// How long a flight process has to end once told to (the user is back, the screen locked, or a
// stop signal): the flight answers within a second, so one still there after this is stuck (in a
// driver, or in a roundtrip on a frozen display server) and is killed, giving the screen and the
// keyboard back. Every resident wait (--idle on Wayland, on GNOME) keeps its flight to this.

#include <cstdint>

namespace altostrat {

constexpr std::int64_t kChildGraceMs = 2000;

}  // namespace altostrat
