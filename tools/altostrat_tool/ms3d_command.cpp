#include <cmath>
#include <cstdio>
#include <limits>

#include "flight/model/ms3d_model.h"
#include "tools/altostrat_tool/arguments.h"
#include "tools/altostrat_tool/commands.h"

namespace altostrat::tool {
namespace {

void PrintBounds(const std::vector<Vertex>& vertices) {
    if (vertices.empty()) {
        std::printf("bounds 0 0 0 0 0 0\n");
        return;
    }
    float low[3], high[3];
    for (int axis = 0; axis < 3; ++axis) {
        low[axis] = std::numeric_limits<float>::infinity();
        high[axis] = -std::numeric_limits<float>::infinity();
    }
    for (const Vertex& vertex : vertices) {
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::fmin(low[axis], vertex.position[axis]);
            high[axis] = std::fmax(high[axis], vertex.position[axis]);
        }
    }
    std::printf("bounds %.6g %.6g %.6g %.6g %.6g %.6g\n", low[0], low[1], low[2], high[0], high[1],
                high[2]);
}

}  // namespace

const char kMs3dUsage[] = "ms3d FILE";

int Ms3dCommand(int argc, char** argv) {
    if (argc != 1) {
        return UsageError("ms3d takes the model file", kMs3dUsage);
    }
    // Geometry and materials only: no rendering context, so no textures are made.
    Ms3dModel model;
    if (!model.ReadFile(argv[0])) {
        std::printf("error\n");
        return 1;
    }
    const ModelData& data = model.Data();
    std::printf("ok\nvertices %zu\ntriangles %zu\nmeshes %zu\nmaterials %zu\n",
                data.vertices.size(), data.triangles.size(), data.meshes.size(),
                data.materials.size());
    for (std::size_t i = 0; i < data.meshes.size(); ++i) {
        std::printf("mesh %zu material %d triangles %zu\n", i,
                    static_cast<int>(data.meshes[i].materialIndex),
                    data.meshes[i].triangleIndices.size());
    }
    for (std::size_t i = 0; i < data.materials.size(); ++i) {
        const std::string& name = data.materials[i].textureFile;
        std::printf("material %zu texture %s\n", i, name.empty() ? "-" : name.c_str());
    }
    PrintBounds(data.vertices);
    return 0;
}

}  // namespace altostrat::tool
