#pragma once
// The saver mode: the hidden form that carries out the run of saver_run.h on Windows.

#include "host/host_state.h"

namespace altostrat {

// Captures the ground, starts the music and the renderer, and returns, with the process exit
// code, once the run has ended and been cleaned up.
int RunSaver(HostState& state);

}  // namespace altostrat
