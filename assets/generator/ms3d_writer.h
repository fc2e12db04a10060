#pragma once
// A small writer of MilkShape 3D model files (the MS3D binary format, version 4): one group
// holding every triangle, one material without a texture, no joints and no animation. Enough for
// the renderer's own aircraft, which is drawn in its stored pose with materials only.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace altostrat::assets {

using Ms3dPoint = std::array<float, 3>;
using Ms3dColour = std::array<float, 4>;

struct Ms3dTriangle {
    std::array<std::uint16_t, 3> vertices;  // indices into the file's vertices
    Ms3dPoint normal;                       // written for all three corners: a flat face
};

struct Ms3dMaterial {
    std::string name;  // at most 31 bytes
    Ms3dColour ambient;
    Ms3dColour diffuse;
    Ms3dColour specular;
    Ms3dColour emissive;
    float shininess = 0.0f;  // 0 to 128
};

struct Ms3dFile {
    std::vector<Ms3dPoint> vertices;
    std::vector<Ms3dTriangle> triangles;
    std::string groupName;  // at most 31 bytes
    Ms3dMaterial material;
};

// The whole file, byte for byte. Counts above 65535 do not fit the format; the caller keeps
// its model far below that.
std::string Ms3dBytes(const Ms3dFile& model);

}  // namespace altostrat::assets
