#pragma once
// A rectangle on the screen in pixels, as both programs hand them to the window system: left and
// top inside, right and bottom just outside. In virtual-screen coordinates, so a monitor left of
// or above the primary has negative ones. Screens and windows fit an int; where a picture lands
// may reach far beyond them and is counted in 64 bits (PlacedRect, picture_layout.h).

namespace altostrat {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

}  // namespace altostrat
