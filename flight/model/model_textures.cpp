#include <cstdint>
#include <cstdio>
#include <memory>

#include "flight/gl/gl_headers.h"
#include "flight/model/model.h"

namespace altostrat {
namespace {

// The texture for one material's picture file, or 0 when it has none that can be read.
GLuint CreateTexture(const std::string& path, const DibErrorReport& report) {
    if (path.empty()) {
        return 0;
    }
    // A missing file just leaves the material untextured; only a file that is there but
    // cannot be decoded is worth a message, and the image reader gives that one.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return 0;
    }
    std::fclose(file);
    const std::unique_ptr<RgbImage> image = LoadDibImage(path, report);
    if (!image || image->width <= 0 || image->height <= 0) {
        return 0;
    }
    const std::uint64_t bytes =
        static_cast<std::uint64_t>(image->width) * static_cast<std::uint64_t>(image->height) * 3;
    if (image->pixels.size() < bytes) {
        return 0;  // never hand OpenGL fewer pixels than the size it is told
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    if (texture == 0) {
        return 0;  // no rendering context
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    // The image's rows follow each other without padding; with OpenGL's usual 4-byte row
    // alignment a width that is not a multiple of 4 would be read askew and past the end.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->pixels.data());
    glPopClientAttrib();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}

}  // namespace

void Model::ReloadTextures(const DibErrorReport& report) {
    const DibErrorReport ignore = [](const std::string&) {};
    for (Material& material : data_.materials) {
        material.texture = CreateTexture(material.textureFile, report ? report : ignore);
    }
}

}  // namespace altostrat
