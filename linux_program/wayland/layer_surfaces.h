#pragma once
// One layer surface per output: on the overlay layer (the only one above full-screen windows),
// anchored to all four edges so the compositor sizes it to the whole output, with an exclusive
// zone of -1 (it covers panels and bars rather than being moved aside by them) and the keyboard
// held exclusively, so every key comes to the flight. The surface is drawn at the output's scale
// (surface_buffer.h). The compositor may close it: when its output goes, the flight goes on
// without it; otherwise the flight ends.

#include "linux_program/wayland/wayland_screen.h"

namespace altostrat {

// Makes OUTPUT's layer surface and commits it empty; its size comes with the compositor's
// configure (output.configured). False when no surface can be made.
bool CoverOutput(WaylandScreen& screen, CoveredOutput& output);

// The buffer's size and scale for OUTPUT's configured size (output.bufferWidth/Height), set on
// the surface; the EGL window follows (egl_outputs.h).
void SizeOutputBuffer(CoveredOutput& output);

// Asks for OUTPUT's frame callback with the picture about to be presented.
void AskFrame(CoveredOutput& output, std::int64_t nowMs);

// Destroys OUTPUT's layer surface and what belongs to it (the EGL surface first).
void UncoverOutput(WaylandScreen& screen, CoveredOutput& output);

}  // namespace altostrat
