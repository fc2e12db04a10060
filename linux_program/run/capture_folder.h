#pragma once
// The three pictures reach the scene as they do on Windows: as capture files that the scene
// reads from RendererState::captureFolder. Here the folder is private to one run (made with
// mkdtemp, so no other user can place or swap a picture in it) and removed as soon as the
// pictures are textures: a picture of the user's desktop must not outlive that moment on disk,
// whatever way the program ends later. The desktop's picture is kept in memory from the moment
// it is taken until the scene set-up is about to read it, and only then written.

#include <cstdint>
#include <string>
#include <vector>

namespace altostrat {

// Makes "altostrat-XXXXXX" under $XDG_RUNTIME_DIR when that is an absolute path, else under
// /tmp. The path ends in '/'; empty when no folder could be made.
std::string MakeCaptureFolder();

// Removes the folder and what it holds; an empty path is left alone.
void RemoveCaptureFolder(const std::string& folder);

// Writes the built-in sky and glow pictures as the first and third capture file.
bool WriteBuiltInPictures(const std::string& folder);

// A picture of the desktop held in memory: blue, green, red, width * 3 bytes to a row, the
// bottom row first. No rows: no picture of the desktop could be had, or the user's settings
// do not allow one.
struct DesktopPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rows;
};

// Writes the desktop capture file: the picture, or, when there is none, the program's own
// ground (fields, woods and water seen from above).
bool WriteDesktopPicture(const std::string& folder, const DesktopPicture& picture);

}  // namespace altostrat
