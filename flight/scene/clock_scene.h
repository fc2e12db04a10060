#pragma once
// The clock over the flight, when the renderer is asked for one (RendererOptions::showClock).
// Its text is made at the scene set-up and then only when the local minute changes, before the
// frame is drawn; each frame draws the plate and the text's lit runs as a few dozen flat quads
// over the finished picture, and leaves every GL setting as the frame left it.

namespace altostrat {

struct RendererState;
struct ScenePlatform;

// At scene set-up: reads the user's time format (the platform's, else the C library's) and
// makes the first minute's text. Does nothing without the clock.
void SetUpClock(RendererState& state, const ScenePlatform& platform);

// Once per frame, before drawing, with the frame's local MINUTE of the day: renews the text when
// the minute has changed.
void FollowClock(RendererState& state, int minute);

// Draws the clock into RendererState::clockArea of the current viewport (all of it when that is
// empty), as bright as the sky's light allows.
void DrawClock(const RendererState& state);

}  // namespace altostrat
