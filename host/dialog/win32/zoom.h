#pragma once
// The settings dialog's opening and closing effect: an outline that grows from the anchor point
// (the mouse position when the dialog opened) to the window, and shrinks back into it. The
// window itself is not moved, shown or hidden. ZoomClose needs the window still there: it reads
// the window's rectangle.

#include <windows.h>

#include "host/dialog/zoom_path.h"

namespace altostrat {

// The rectangles the effect runs between ANCHOR, in screen pixels, and WINDOW as it is now (an
// invalid window gives a rectangle of zeros).
ZoomPath ZoomPathOf(POINT anchor, HWND window, ZoomDirection direction);

void ZoomOpen(POINT anchor, HWND window);
void ZoomClose(POINT anchor, HWND window);

}  // namespace altostrat
