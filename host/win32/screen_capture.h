#pragma once
// The saver's pictures as bitmap files: the primary screen photographed 1:1, and the host's
// built-in pictures, both written at 24 bits per pixel, each as a new file in the run's own
// folder (never one that exists).

#include <windows.h>

#include <string>

namespace altostrat {

// GetDesktopWindow, GetDC, BitBlt (SRCCOPY) into a 24-bit DIB section of the primary screen's
// size, or with WHOLE_VIRTUAL_SCREEN of the virtual screen's from its top-left corner (which may
// lie at negative coordinates), ReleaseDC, then the file. A failed copy leaves the picture
// black, which is written all the same. False when the file could not be written.
bool CaptureScreenToFile(const std::string& path, bool wholeVirtualScreen);

// The BITMAP resource `id` of module, converted to 24 bits per pixel. False when the resource
// is missing or the file could not be written.
bool WriteBitmapResourceToFile(HINSTANCE module, int id, const std::string& path);

}  // namespace altostrat
