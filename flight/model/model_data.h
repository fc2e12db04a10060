#pragma once
// What a polygon model holds: meshes, materials, triangles and vertices, as plain records.

#include <cstdint>
#include <string>
#include <vector>

namespace altostrat {

struct Vertex {
    std::int8_t boneIndex = 0;  // kept as the file gives it; the stored pose is all that is drawn
    float position[3] = {0.0f, 0.0f, 0.0f};
};

struct Triangle {
    float normals[3][3] = {};  // one normal per corner
    float s[3] = {};
    float t[3] = {};  // already turned upside down (1 - t of the file)
    std::int32_t vertexIndices[3] = {0, 0, 0};
};

struct Mesh {
    std::int32_t materialIndex = -1;  // negative: no material of its own
    std::vector<std::int32_t> triangleIndices;
};

struct Material {
    float ambient[4] = {};
    float diffuse[4] = {};
    float specular[4] = {};
    float emissive[4] = {};
    float shininess = 0.0f;
    std::uint32_t texture = 0;  // OpenGL texture name, 0 for none
    std::string textureFile;    // used unchanged as a path; empty for none
};

// Everything a model holds, in the order in which meshes, triangles and vertices refer to each
// other. A model that was filled from a file always has every index inside its array.
struct ModelData {
    std::vector<Mesh> meshes;
    std::vector<Material> materials;
    std::vector<Triangle> triangles;
    std::vector<Vertex> vertices;
};

}  // namespace altostrat
