#pragma once
// "--fps" natively on Wayland: the frame rate in the bottom left corner of the lead output, white
// on a black box, as the X11 path shows it. A Wayland desktop has no server fonts to borrow, so
// the few characters the figure needs are drawn from a small built-in pixel font, each font pixel
// a square of SCALE by SCALE buffer pixels, so the figure keeps its size on a HiDPI output.

#include <string>

namespace altostrat {

// Draws TEXT over the frame in the back buffer of a WIDTH x HEIGHT surface, leaving every GL
// setting as it found it. Characters the font lacks are left as blanks.
void DrawFpsText(const std::string& text, int width, int height, int scale);

}  // namespace altostrat
