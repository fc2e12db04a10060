#pragma once
// Builds small MilkShape 3D files for the tests, field by field as the format lays them out, so
// that a test can change any one field (or cut the file anywhere) and see what the reader does.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace altostrat {

inline bool WriteTestFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

struct Ms3dTestFile {
    struct Vertex {
        float x, y, z;
        std::int8_t bone;
    };
    struct Triangle {
        std::uint16_t vertices[3];
        float normals[9];
        float s[3];
        float t[3];
    };
    struct Group {
        std::vector<std::uint16_t> triangles;
        std::uint8_t material;  // as stored: 255 is the usual "none"
    };
    struct Material {
        float ambient[4];
        float diffuse[4];
        float specular[4];
        float emissive[4];
        float shininess;
        std::string texture;  // at most 128 bytes; written without a zero when it fills them
    };

    std::string identifier = "MS3D000000";
    std::int32_t version = 4;
    std::vector<Vertex> vertices;
    std::vector<Triangle> triangles;
    std::vector<Group> groups;
    std::vector<Material> materials;
    std::vector<std::uint8_t> trailer;  // animation data and whatever else follows the materials

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out(identifier.begin(), identifier.end());
        I32(out, version);
        U16(out, vertices.size());
        for (const Vertex& v : vertices) {
            out.push_back(0);  // flags
            F32s(out, {v.x, v.y, v.z});
            out.push_back(static_cast<std::uint8_t>(v.bone));
            out.push_back(1);  // reference count
        }
        U16(out, triangles.size());
        for (const Triangle& t : triangles) {
            U16(out, 0);  // flags
            for (std::uint16_t index : t.vertices) {
                U16(out, index);
            }
            F32s(out, std::vector<float>(t.normals, t.normals + 9));
            F32s(out, {t.s[0], t.s[1], t.s[2]});
            F32s(out, {t.t[0], t.t[1], t.t[2]});
            out.push_back(1);  // smoothing group
            out.push_back(0);  // group index
        }
        U16(out, groups.size());
        for (const Group& g : groups) {
            out.push_back(0);  // flags
            Fixed(out, "group", 32);
            U16(out, g.triangles.size());
            for (std::uint16_t index : g.triangles) {
                U16(out, index);
            }
            out.push_back(g.material);
        }
        U16(out, materials.size());
        for (const Material& m : materials) {
            Fixed(out, "material", 32);
            for (const float* colour : {m.ambient, m.diffuse, m.specular, m.emissive}) {
                F32s(out, {colour[0], colour[1], colour[2], colour[3]});
            }
            F32s(out, {m.shininess, 1.0f});  // shininess, transparency
            out.push_back(0);                // mode
            Fixed(out, m.texture, 128);
            Fixed(out, "alpha.bmp", 128);
        }
        out.insert(out.end(), trailer.begin(), trailer.end());
        return out;
    }

    bool Write(const std::string& path) const { return WriteTestFile(path, Bytes()); }

    // One flat, upright square from (x0, y0) to (x1, y1) at z = 0 facing +z, as two triangles
    // whose texture coordinates cover the whole picture; returns the two triangle indices.
    std::vector<std::uint16_t> AddSquare(float x0, float y0, float x1, float y1) {
        const std::size_t first = vertices.size();
        vertices.push_back({x0, y0, 0.0f, -1});
        vertices.push_back({x1, y0, 0.0f, -1});
        vertices.push_back({x1, y1, 0.0f, -1});
        vertices.push_back({x0, y1, 0.0f, -1});
        // The file's t runs down the picture: t = 1 is its bottom edge.
        const float s[4] = {0, 1, 1, 0};
        const float t[4] = {1, 1, 0, 0};
        const int corners[2][3] = {{0, 1, 2}, {0, 2, 3}};
        std::vector<std::uint16_t> added;
        for (const auto& triangleCorners : corners) {
            Triangle triangle{};
            for (int i = 0; i < 3; ++i) {
                const int c = triangleCorners[i];
                triangle.vertices[i] = static_cast<std::uint16_t>(first + c);
                triangle.normals[i * 3 + 2] = 1.0f;
                triangle.s[i] = s[c];
                triangle.t[i] = t[c];
            }
            added.push_back(static_cast<std::uint16_t>(triangles.size()));
            triangles.push_back(triangle);
        }
        return added;
    }

  private:
    static void U16(std::vector<std::uint8_t>& out, std::size_t value) {
        out.push_back(static_cast<std::uint8_t>(value));
        out.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    static void I32(std::vector<std::uint8_t>& out, std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int b = 0; b < 4; ++b) {
            out.push_back(static_cast<std::uint8_t>(bits >> (8 * b)));
        }
    }
    static void F32s(std::vector<std::uint8_t>& out, const std::vector<float>& values) {
        for (float value : values) {
            std::uint32_t bits;
            std::memcpy(&bits, &value, sizeof bits);
            I32(out, static_cast<std::int32_t>(bits));
        }
    }
    static void Fixed(std::vector<std::uint8_t>& out, const std::string& text, std::size_t width) {
        std::vector<std::uint8_t> field(width, 0);
        std::memcpy(field.data(), text.data(), text.size() < width ? text.size() : width);
        out.insert(out.end(), field.begin(), field.end());
    }
};

}  // namespace altostrat
