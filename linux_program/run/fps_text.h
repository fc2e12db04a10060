#pragma once
// "--fps" on either display path: the frame rate in the bottom left corner of the window (on
// Wayland, of the lead output), white on a black box. The figure is drawn from the flight's own
// pixel font, so it needs no server fonts (a Wayland desktop has none to lend), each font pixel
// a square of SCALE by SCALE pixels, so the figure keeps its size on a HiDPI output.

#include <string>

namespace altostrat {

// Draws TEXT over the frame in the back buffer of a WIDTH x HEIGHT surface, leaving every GL
// setting as it found it. Characters the font lacks are left as blanks.
void DrawFpsText(const std::string& text, int width, int height, int scale);

}  // namespace altostrat
