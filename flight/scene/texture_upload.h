#pragma once
// Every picture the scene draws from becomes a texture the same way: mipmapped, so that far
// surfaces stay calm, and read with rows packed tightly. RgbImage rows carry no padding, and
// OpenGL's default unpack alignment of 4 would skew a picture whose width is not a multiple of 4
// (a 1366-pixel desktop) and read past the end of its pixels.

#include "flight/bitmap/dib_image.h"
#include "flight/gl/gl_headers.h"

namespace altostrat {

// Uploads the picture into the texture of that name, which is made first when it is 0, and
// leaves the texture bound. The unpack alignment is given back as it was.
void UploadMipmappedPicture(GLuint& texture, const RgbImage& picture);

}  // namespace altostrat
