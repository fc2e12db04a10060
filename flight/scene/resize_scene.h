#pragma once
// The viewport and the projection. One flight spanning several monitors would show the point the
// camera looks at, and so the aircraft, at the centre of the whole picture: with two equal
// monitors, on the bezel between them. So the projection's window can be shifted (an off-centre
// frustum) to put that point anywhere in the picture, the primary's centre, while the picture
// stays one seamless view with the same field of view and scale.

#include "flight/display/panorama.h"

namespace altostrat {

// Viewport and perspective projection for a client area of the given size: 45 degrees
// vertically, near plane 0.9, far plane 50000, the camera's look-at point at the centre. A
// height of 0 is taken as 1.
void ResizeScene(int width, int height);

// The same, with the look-at point seen at (LOOK_AT_X, LOOK_AT_Y), pixels from the client
// area's top-left corner.
void ResizeScene(int width, int height, double lookAtX, double lookAtY);

// Viewport WIDTH x HEIGHT showing the window VIEW of one view across several outputs
// (panorama.h): the same field of view per pixel as above, cut to that output's part.
void ResizeScene(int width, int height, const ViewWindow& view);

}  // namespace altostrat
