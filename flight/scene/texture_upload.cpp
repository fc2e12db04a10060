#include "flight/scene/texture_upload.h"

namespace altostrat {

void UploadMipmappedPicture(GLuint& texture, const RgbImage& picture) {
    if (texture == 0) {
        glGenTextures(1, &texture);
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE,
                      picture.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

}  // namespace altostrat
