#pragma once
// The saver's pictures: the screen photographed 1:1 into memory (the primary, or the whole
// virtual screen when the flight goes over every monitor), pictures written as bitmap files at
// 24 bits per pixel, each as a new file in the run's own folder (never one that exists), and
// the host's built-in pictures.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/picture_layout.h"
#include "common/screen_rect.h"

namespace altostrat {

// What the ground picture covers: the canvas (the primary, or the virtual screen) and the
// monitors on it, in virtual-screen coordinates.
struct ScreenArea {
    ScreenRect canvas;
    std::vector<ScreenRect> monitors;
};

// The primary monitor alone, or (VIRTUAL_SCREEN) the virtual screen with every monitor, as the
// one reading of the screen (common/win32/screen_reading.h) gives them, in physical pixels.
ScreenArea ScreensToCover(bool virtualScreen);

// AREA of the screen copied 1:1 (CopyScreenInto, into memory of the host's own). Nothing when the
// copy failed (as it does on a desktop that is not the input desktop).
std::optional<RgbPicture> PhotographScreen(const ScreenRect& area);

// Writes PICTURE as a new 24-bit bitmap file at PATH; false when it could not be written whole.
bool WritePictureToFile(const RgbPicture& picture, const std::string& path);

// The BITMAP resource `id` of module, converted to 24 bits per pixel. False when the resource
// is missing or the file could not be written.
bool WriteBitmapResourceToFile(HINSTANCE module, int id, const std::string& path);

}  // namespace altostrat
