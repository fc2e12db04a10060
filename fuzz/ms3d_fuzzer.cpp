// Any bytes given to the MS3D reader: it must never read outside them, and whatever it accepts
// must have every index inside its array, since drawing follows those indices unchecked.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "flight/model/ms3d_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    altostrat::Ms3dModel model;
    if (!model.LoadFromBytes(data, size)) {
        return 0;
    }
    const altostrat::ModelData& read = model.Data();
    for (const altostrat::Triangle& triangle : read.triangles) {
        for (std::int32_t index : triangle.vertexIndices) {
            if (index < 0 || static_cast<std::size_t>(index) >= read.vertices.size()) {
                std::abort();
            }
        }
    }
    for (const altostrat::Mesh& mesh : read.meshes) {
        for (std::int32_t index : mesh.triangleIndices) {
            if (index < 0 || static_cast<std::size_t>(index) >= read.triangles.size()) {
                std::abort();
            }
        }
        if (mesh.materialIndex >= 0 &&
            static_cast<std::size_t>(mesh.materialIndex) >= read.materials.size()) {
            std::abort();
        }
    }
    for (const altostrat::Material& material : read.materials) {
        if (material.texture != 0 || material.textureFile.size() > 128) {
            std::abort();
        }
    }
    return 0;
}
