// altostrat-tool: looks into the portable cores of the renderer and the host from the command
// line.
#include <cstdio>
#include <cstring>

#include "assets/version.h"
#include "tools/altostrat_tool/commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* usage;
};

const Command kCommands[] = {
    {"rand", altostrat::tool::RandCommand, altostrat::tool::kRandUsage},
    {"flight", altostrat::tool::FlightCommand, altostrat::tool::kFlightUsage},
    {"terrain", altostrat::tool::TerrainCommand, altostrat::tool::kTerrainUsage},
    {"render", altostrat::tool::RenderCommand, altostrat::tool::kRenderUsage},
    {"settings", altostrat::tool::SettingsCommand, altostrat::tool::kSettingsUsage},
    {"mode", altostrat::tool::ModeCommand, altostrat::tool::kModeUsage},
    {"ms3d", altostrat::tool::Ms3dCommand, altostrat::tool::kMs3dUsage},
    {"bmp", altostrat::tool::BmpCommand, altostrat::tool::kBmpUsage},
    {"pace", altostrat::tool::PaceCommand, altostrat::tool::kPaceUsage},
};

void PrintUsage(FILE* out) {
    std::fprintf(out, "usage:\n");
    for (const Command& command : kCommands) {
        std::fprintf(out, "  altostrat-tool %s\n", command.usage);
    }
    std::fprintf(out, "  altostrat-tool --help | --version\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("altostrat-tool %s\n", ALTOSTRAT_VERSION_TEXT);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            return command.run(argc - 2, argv + 2);
        }
    }
    std::fprintf(stderr, "altostrat-tool: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
