#pragma once
// The ground picture of a saver run gathered on Windows: each source the decision of
// desktop_source.h asks for, tried only when it is asked for, and the one it takes written for
// the renderer.

#include <windows.h>

#include <string>

#include "host/ground/desktop_source.h"

namespace altostrat {

// Writes the picture REQUEST leads to as a new bitmap file at PATH: the user's picture laid
// over the screens as "fill" lays it, the screen's usable photograph, the keeper's, the
// wallpaper as Windows lays it on the background colour, or the built-in ground of MODULE's
// resources. False when the file could not be written whole.
bool WriteDesktopPictureFile(HINSTANCE module, const DesktopRequest& request,
                             const std::string& path);

}  // namespace altostrat
