#pragma once
// Drawing over a finished frame, flat and unlit, in the current viewport's own pixels: the clock
// in the flight, and the frame rate the Linux program shows for "--fps". Every GL setting the
// frame left is kept aside and given back, so the next frame is drawn as if nothing had been
// drawn over this one.

namespace altostrat {

// Where the overlay counts its pixels from: the viewport's top-left corner (as a place on the
// screen is given) or its bottom-left corner (as OpenGL counts).
enum class OverlayOrigin { kTopLeft, kBottomLeft };

// Before the overlay's drawing, over a viewport WIDTH x HEIGHT pixels large. Blending is off
// unless the caller turns it on.
void BeginPixelOverlay(int width, int height, OverlayOrigin origin);

// After it.
void EndPixelOverlay();

}  // namespace altostrat
