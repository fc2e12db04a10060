#pragma once
// MilkShape 3D model files (the MS3D binary format, versions 3 and 4): the vertices, triangles,
// groups and materials, read into a model's records. Animation data after the materials is not
// read; a model is drawn in its stored pose.

#include <cstddef>
#include <cstdint>

#include "flight/model/model_data.h"

namespace altostrat {

// Reads a whole file held in data[0, size) into out; on success every material's texture is 0.
// False, with out untouched, for a wrong identifier or version, for a file shorter than its
// counts announce, and for any vertex, triangle or material index outside its array.
bool ParseMs3d(const std::uint8_t* data, std::size_t size, ModelData& out);

}  // namespace altostrat
