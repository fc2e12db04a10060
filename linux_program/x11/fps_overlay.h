#pragma once
// The frame rate drawn into the bottom left corner of the frame, white on a black box, in the
// X server's "fixed" font turned into GL display lists.

#include <X11/Xlib.h>

#include <string>

namespace altostrat {

struct FpsOverlay {
    unsigned listBase = 0;  // one display list per character from ' ' to '~'; 0: no font
    int lineHeight = 0;
    int descent = 0;
    int charWidth = 0;
};

// Needs the flight's context to be current. Without the font nothing is drawn later.
void MakeFpsOverlay(Display* display, FpsOverlay& overlay);

// Draws over the frame in the back buffer, leaving every GL setting as it found it.
void DrawFpsOverlay(const FpsOverlay& overlay, const std::string& text, int width, int height);

}  // namespace altostrat
