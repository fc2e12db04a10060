#pragma once
// The size of the picture drawn for one output, so that it is sharp there: the output's
// logical size (as the compositor configures the surface that covers it) times its scale. A
// compositor that tells a fractional scale (wp_fractional_scale_v1, in 120ths) gets a buffer of
// exactly that many pixels, shown at the logical size through the viewporter, and a buffer scale
// of 1; without the viewporter a fractional scale cannot be shown, and the integer scale
// (wl_output's, rounded up by the compositor) serves.

namespace altostrat {

struct SurfaceBuffer {
    int width = 0;
    int height = 0;
    int bufferScale = 1;    // wl_surface.set_buffer_scale
    bool viewport = false;  // wp_viewport.set_destination to the logical size
};

// LOGICAL_WIDTH x LOGICAL_HEIGHT at least 1 each way; INTEGER_SCALE below 1 counts as 1;
// FRACTIONAL_120 is 0 while the compositor has told none.
SurfaceBuffer DecideSurfaceBuffer(int logicalWidth, int logicalHeight, int integerScale,
                                  int fractional120, bool viewporterOffered);

}  // namespace altostrat
