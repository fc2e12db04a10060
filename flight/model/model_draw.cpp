#include "flight/gl/gl_headers.h"
#include "flight/model/model.h"

namespace altostrat {
namespace {

void ApplyMaterial(const Material& material) {
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, material.emissive);
    glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
    if (material.texture != 0) {
        glBindTexture(GL_TEXTURE_2D, material.texture);
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

}  // namespace

void Model::Draw() const {
    // Asked now, while a display list is being recorded, so the list puts back the state that
    // was current when it was made.
    const bool texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
    for (const Mesh& mesh : data_.meshes) {
        if (mesh.materialIndex >= 0) {
            ApplyMaterial(data_.materials[static_cast<std::size_t>(mesh.materialIndex)]);
        } else {
            // No material of its own: it keeps whatever material came before, untextured.
            glDisable(GL_TEXTURE_2D);
        }
        glBegin(GL_TRIANGLES);
        for (std::int32_t triangleIndex : mesh.triangleIndices) {
            const Triangle& triangle = data_.triangles[static_cast<std::size_t>(triangleIndex)];
            for (int corner = 0; corner < 3; ++corner) {
                glNormal3fv(triangle.normals[corner]);
                glTexCoord2f(triangle.s[corner], triangle.t[corner]);
                const auto vertex = static_cast<std::size_t>(triangle.vertexIndices[corner]);
                glVertex3fv(data_.vertices[vertex].position);
            }
        }
        glEnd();
    }
    if (texturing) {
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

}  // namespace altostrat
