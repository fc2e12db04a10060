#include <cstdio>

#include "flight/terrain/crt_random.h"
#include "tools/altostrat_tool/arguments.h"
#include "tools/altostrat_tool/commands.h"

namespace altostrat::tool {

const char kRandUsage[] = "rand COUNT [SEED]";

int RandCommand(int argc, char** argv) {
    if (argc < 1 || argc > 2) {
        return UsageError("rand takes a count and an optional seed", kRandUsage);
    }
    const auto count = ParseInteger(argv[0], 0, INT64_MAX);
    if (!count) {
        return UsageError("COUNT must be a whole number of 0 or more", kRandUsage);
    }
    CrtRandom random;
    if (argc == 2) {
        const auto seed = ParseInteger(argv[1], 0, UINT32_MAX);
        if (!seed) {
            return UsageError("SEED must be a whole number from 0 to 4294967295", kRandUsage);
        }
        SeedRandom(random, static_cast<std::uint32_t>(*seed));
    }
    for (std::int64_t i = 0; i < *count; ++i) {
        std::printf("%d\n", NextRandom(random));
    }
    return 0;
}

}  // namespace altostrat::tool
