#pragma once
// Which files of a folder the user chose for the ground count as pictures: those named as the
// formats Windows' imaging component decodes out of the box (a folder of photographs also holds
// thumbnails' databases, sidecar files and the like, which are never tried).

#include <string_view>

namespace altostrat {

// .jpg .jpeg .jpe .jfif .png .bmp .dib .gif .tif .tiff, in any case.
bool IsPictureFileName(std::string_view name);

}  // namespace altostrat
