#pragma once
// The sky following the clock, carried out in OpenGL. When the renderer is asked to, the scene
// set-up makes the sky and glow textures itself from the day's light at the local time (the sky
// and glow files are then not read), and every frame asks the platform for the local time: once
// the minute has changed, the textures, the fog, the clear colour, the aircraft's light and the
// ground's tint are renewed for the new minute. Not asked to, the colours stay midday's, which
// are the flight's colours as they always were, and nothing here touches OpenGL.

#include "flight/sky/daylight_state.h"

namespace altostrat {

struct RendererState;
struct ScenePlatform;

// The local minute of the day (0 to 1439) that the platform's clock shows; midday when the
// platform tells no time.
int LocalMinuteOfDay(const ScenePlatform& platform);

// At scene set-up, in place of reading the sky and glow files: when the sky follows the clock,
// makes both textures for the local time and takes that time's colours. Does nothing otherwise.
void SetUpDaylight(RendererState& state, const ScenePlatform& platform);

// Once per frame, before drawing, with the frame's local MINUTE of the day: when the sky follows
// the clock and the minute has changed, renews the textures and colours for it and sets the clear
// colour, fog colour and light.
void FollowDaylight(RendererState& state, int minute);

// Draws the stars as far as the colours hold any, into the sky already drawn, with the view
// turned by viewYaw degrees. Draws nothing when the sky does not follow the clock.
void DrawStars(const RendererState& state, float viewYaw);

// Sets the clear colour, the fog colour and the aircraft light's ambient and diffuse colours.
void ApplyDaylightColours(const DaylightColours& colours);

}  // namespace altostrat
