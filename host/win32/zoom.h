#pragma once
// The settings dialog's opening and closing effect: an outline that grows from the anchor point
// (the mouse position when the dialog opened) to the window, and shrinks back into it. The
// window itself is not moved, shown or hidden.

#include <windows.h>

#include "host/host_state.h"

namespace altostrat {

void ZoomOpen(const HostState& state, HWND window);
void ZoomClose(const HostState& state, HWND window);

}  // namespace altostrat
