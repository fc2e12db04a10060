#pragma once
// A photograph of the screen that shows one colour is not the user's desktop: a real desktop,
// even one with a plain background, has a taskbar, icons or windows on it. A photograph taken
// on the desktop Windows gives a password-protected saver is that desktop's background alone;
// one whose copy failed is all black. Both read as one colour, allowing a few levels either way
// for the noise of a display's colour conversion.

#include "common/picture_layout.h"

namespace altostrat {

// How far a channel may stray from the others and still count as the same colour.
inline constexpr int kPlainColourLevels = 4;

// Every pixel's red, green and blue each lie within kPlainColourLevels of one colour (the
// spread of each channel is at most twice that). A picture with no pixels is one colour too.
bool IsOneColour(const RgbPicture& picture);

}  // namespace altostrat
