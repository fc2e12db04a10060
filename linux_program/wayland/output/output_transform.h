#pragma once
// An output's turn, as wl_output tells it: the compositor draws a turned or flipped output's
// buffer sideways or mirrored, so the buffer's sides are the upright picture's only for the
// transforms without a quarter turn. Its place in the compositor's logical layout is xdg-output's
// rectangle where the compositor tells one; without it, the position wl_output gives and the mode
// upright divided by the scale.

#include "common/screen_rect.h"

namespace altostrat {

// wl_output's transforms, by their protocol values: the rotations counter-clockwise, and the
// same after a flip about the vertical axis.
enum OutputTransform {
    kTransformNormal = 0,
    kTransform90 = 1,
    kTransform180 = 2,
    kTransform270 = 3,
    kTransformFlipped = 4,
    kTransformFlipped90 = 5,
    kTransformFlipped180 = 6,
    kTransformFlipped270 = 7,
};

// The size of a WIDTH x HEIGHT buffer once turned upright: sides swapped for a quarter turn.
void UprightSize(int width, int height, int transform, int& uprightWidth, int& uprightHeight);

// An output's logical rectangle when the compositor gives no xdg-output: its position, and its
// mode's size upright divided by its (integer) scale.
ScreenRect LogicalFromMode(int x, int y, int modeWidth, int modeHeight, int scale, int transform);

}  // namespace altostrat
