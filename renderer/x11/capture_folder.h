#pragma once
// The three pictures reach the scene as they do on Windows: as capture files that the scene
// reads from RendererState::captureFolder. Here the folder is private to one run (made with
// mkdtemp, so no other user can place or swap a picture in it) and removed as soon as the
// pictures are textures: a picture of the user's desktop must not outlive that moment on disk,
// whatever way the program ends later.

#include <string>

#include "renderer/x11/x_pixels.h"

namespace altostrat {

// Makes "altostrat-XXXXXX" under $XDG_RUNTIME_DIR when that is an absolute path, else under
// /tmp. The path ends in '/'; empty when no folder could be made.
std::string MakeCaptureFolder();

// Removes the folder and what it holds; an empty path is left alone.
void RemoveCaptureFolder(const std::string& folder);

// Writes the built-in sky and glow pictures as the first and third capture file.
bool WriteBuiltInPictures(const std::string& folder);

// A plain stand-in for the desktop when no picture of it can be had: a 256 x 256 grid of
// muted fields, so the ground still shows its motion.
bool WritePlainDesktopPicture(const std::string& folder);

// The pixels of an XImage turned into the desktop capture file.
bool WriteDesktopPicture(const std::string& folder, const XPixels& pixels);

}  // namespace altostrat
