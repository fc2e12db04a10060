#pragma once
// Where the sky sphere and the sun glow lie around the camera. The flight draws them
// (flight_scene.cpp), and the sky that follows the clock paints its pictures to fit them
// (daylight_pictures.cpp), so both take the same numbers from here.

namespace altostrat {

// The sky sphere: its radius, how far below the camera its centre lies (the camera sits inside
// it, about 1000 units under its top), and its slices and stacks.
constexpr float kSkyRadius = 25000.0f;
constexpr float kSkyCentreBelowEye = 24000.0f;
constexpr int kSkyDivisions = 20;

// Where the sun glow is drawn, in the view turned by the heading; the aircraft's light shines
// from there.
constexpr float kGlowX = 250.0f;
constexpr float kGlowY = 1000.0f;
constexpr float kGlowZ = -5000.0f;

}  // namespace altostrat
