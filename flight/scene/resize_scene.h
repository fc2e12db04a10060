#pragma once

namespace altostrat {

// Viewport and perspective projection for a client area of the given size: 45 degrees
// vertically, near plane 0.9, far plane 50000. A height of 0 is taken as 1.
void ResizeScene(int width, int height);

}  // namespace altostrat
