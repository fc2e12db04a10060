#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "flight/terrain/terrain.h"
#include "tools/altostrat_tool/arguments.h"
#include "tools/altostrat_tool/commands.h"

namespace altostrat::tool {

const char kTerrainUsage[] = "terrain OUT";

int TerrainCommand(int argc, char** argv) {
    if (argc != 1) {
        return UsageError("terrain takes the output file", kTerrainUsage);
    }
    HeightMap map;
    CrtRandom random;
    BuildTerrain(map, random);

    std::FILE* out = std::fopen(argv[0], "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "altostrat-tool: cannot write %s\n", argv[0]);
        return 1;
    }
    // Raw little-endian float32, row by row, whatever the byte order of this machine.
    std::vector<std::uint8_t> bytes(map.heights.size() * 4);
    for (std::size_t i = 0; i < map.heights.size(); ++i) {
        std::uint32_t bits;
        std::memcpy(&bits, &map.heights[i], sizeof bits);
        for (int b = 0; b < 4; ++b) {
            bytes[i * 4 + b] = static_cast<std::uint8_t>(bits >> (8 * b));
        }
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "altostrat-tool: cannot write %s\n", argv[0]);
        return 1;
    }
    return 0;
}

}  // namespace altostrat::tool
