#pragma once
// Drawing over a finished frame in the surface's pixels, from its bottom left corner, flat and
// unlit: what "--fps" draws on either display path. Every GL setting the frame left is kept aside
// and given back, so the next frame is drawn as if nothing had been drawn over this one.

namespace altostrat {

// Before the overlay's drawing, on a WIDTH x HEIGHT surface.
void BeginPixelOverlay(int width, int height);

// After it.
void EndPixelOverlay();

}  // namespace altostrat
