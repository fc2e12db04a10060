#include "flight/model/ms3d_format.h"

#include <cstring>
#include <string>
#include <utility>

namespace altostrat {
namespace {

constexpr char kIdentifier[10] = {'M', 'S', '3', 'D', '0', '0', '0', '0', '0', '0'};
constexpr std::size_t kVertexBytes = 15;
constexpr std::size_t kTriangleBytes = 70;
constexpr std::size_t kGroupHeadBytes = 35;  // flags, name and triangle count
constexpr std::size_t kMaterialBytes = 361;
constexpr std::size_t kNameBytes = 32;
constexpr std::size_t kFileNameBytes = 128;

// Little-endian fields taken one after the other. Every caller asks Fits first, so no read
// ever reaches past the end, whatever the counts in the file say.
class Cursor {
  public:
    Cursor(const std::uint8_t* data, std::size_t size) : at_(data), left_(size) {}

    bool Fits(std::size_t count, std::size_t width) const { return count <= left_ / width; }

    void Skip(std::size_t n) { Advance(n); }
    std::uint8_t U8() { return *Advance(1); }
    std::int8_t I8() { return static_cast<std::int8_t>(U8()); }
    std::uint16_t U16() {
        const std::uint8_t* p = Advance(2);
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t U32() {
        const std::uint8_t* p = Advance(4);
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    float F32() {
        const std::uint32_t bits = U32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    void Floats(float* out, int count) {
        for (int i = 0; i < count; ++i) {
            out[i] = F32();
        }
    }
    // A zero-terminated text in a fixed field; a field without a zero is taken whole.
    std::string Text(std::size_t width) {
        const char* p = reinterpret_cast<const char*>(Advance(width));
        const void* zero = std::memchr(p, 0, width);
        return std::string(p, zero ? static_cast<const char*>(zero) : p + width);
    }

  private:
    const std::uint8_t* Advance(std::size_t n) {
        const std::uint8_t* p = at_;
        at_ += n;
        left_ -= n;
        return p;
    }

    const std::uint8_t* at_;
    std::size_t left_;
};

// The count in front of each run of records, and room in the file for that many of them.
bool ReadCount(Cursor& in, std::size_t recordBytes, std::uint16_t& count) {
    if (!in.Fits(1, 2)) {
        return false;
    }
    count = in.U16();
    return in.Fits(count, recordBytes);
}

bool ReadVertices(Cursor& in, std::vector<Vertex>& vertices) {
    std::uint16_t count;
    if (!ReadCount(in, kVertexBytes, count)) {
        return false;
    }
    vertices.resize(count);
    for (Vertex& vertex : vertices) {
        in.Skip(1);  // flags
        in.Floats(vertex.position, 3);
        vertex.boneIndex = in.I8();
        in.Skip(1);  // reference count
    }
    return true;
}

bool ReadTriangles(Cursor& in, std::size_t vertexCount, std::vector<Triangle>& triangles) {
    std::uint16_t count;
    if (!ReadCount(in, kTriangleBytes, count)) {
        return false;
    }
    triangles.resize(count);
    for (Triangle& triangle : triangles) {
        in.Skip(2);  // flags
        for (std::int32_t& index : triangle.vertexIndices) {
            index = in.U16();
            if (static_cast<std::size_t>(index) >= vertexCount) {
                return false;
            }
        }
        in.Floats(&triangle.normals[0][0], 9);
        in.Floats(triangle.s, 3);
        in.Floats(triangle.t, 3);
        // The file counts t from the top of the picture, OpenGL from the bottom.
        for (float& t : triangle.t) {
            t = 1.0f - t;
        }
        in.Skip(2);  // smoothing group, group index
    }
    return true;
}

bool ReadGroups(Cursor& in, std::size_t triangleCount, std::vector<Mesh>& meshes) {
    std::uint16_t count;
    if (!ReadCount(in, kGroupHeadBytes + 1, count)) {
        return false;
    }
    meshes.resize(count);
    for (Mesh& mesh : meshes) {
        if (!in.Fits(1, kGroupHeadBytes)) {
            return false;
        }
        in.Skip(1 + kNameBytes);  // flags, name
        const std::uint16_t triangles = in.U16();
        if (!in.Fits(static_cast<std::size_t>(triangles) * 2 + 1, 1)) {  // indices, material
            return false;
        }
        mesh.triangleIndices.resize(triangles);
        for (std::int32_t& index : mesh.triangleIndices) {
            index = in.U16();
            if (static_cast<std::size_t>(index) >= triangleCount) {
                return false;
            }
        }
        // Signed: 128 and above are negative like -1, and mean "no material" too.
        mesh.materialIndex = in.I8();
    }
    return true;
}

bool ReadMaterials(Cursor& in, std::vector<Material>& materials) {
    std::uint16_t count;
    if (!ReadCount(in, kMaterialBytes, count)) {
        return false;
    }
    materials.resize(count);
    for (Material& material : materials) {
        in.Skip(kNameBytes);
        in.Floats(material.ambient, 4);
        in.Floats(material.diffuse, 4);
        in.Floats(material.specular, 4);
        in.Floats(material.emissive, 4);
        material.shininess = in.F32();
        in.Skip(4 + 1);  // transparency, mode
        material.textureFile = in.Text(kFileNameBytes);
        in.Skip(kFileNameBytes);  // alpha map
    }
    return true;
}

}  // namespace

bool ParseMs3d(const std::uint8_t* data, std::size_t size, ModelData& out) {
    Cursor in(data, size);
    if (!in.Fits(1, sizeof kIdentifier + 4)) {
        return false;
    }
    if (std::memcmp(data, kIdentifier, sizeof kIdentifier) != 0) {
        return false;
    }
    in.Skip(sizeof kIdentifier);
    const std::int32_t version = in.I32();
    if (version < 3 || version > 4) {
        return false;
    }
    ModelData model;
    if (!ReadVertices(in, model.vertices) ||
        !ReadTriangles(in, model.vertices.size(), model.triangles) ||
        !ReadGroups(in, model.triangles.size(), model.meshes) ||
        !ReadMaterials(in, model.materials)) {
        return false;
    }
    // Groups come before the materials they name, so their material indices are checked last.
    for (const Mesh& mesh : model.meshes) {
        if (mesh.materialIndex >= 0 &&
            static_cast<std::size_t>(mesh.materialIndex) >= model.materials.size()) {
            return false;
        }
    }
    out = std::move(model);
    return true;
}

}  // namespace altostrat
