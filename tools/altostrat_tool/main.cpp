// altostrat-tool: looks into the portable cores of the renderer and the host from the command
// line.
#include <cstdio>
#include <cstring>

#include "tools/altostrat_tool/commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* usage;
};

const Command kCommands[] = {
    {"rand", altostrat::tool::RandCommand, "rand COUNT [SEED]"},
    {"flight", altostrat::tool::FlightCommand, "flight STEPS TIME"},
    {"terrain", altostrat::tool::TerrainCommand, "terrain OUT"},
    {"render", altostrat::tool::RenderCommand,
     "render --capture-dir DIR --frames N --time T --out OUT.ppm [--single-unit]"},
    {"settings", altostrat::tool::SettingsCommand, "settings INI_PATH PROGRAM_FOLDER"},
    {"mode", altostrat::tool::ModeCommand, "mode [ARGUMENTS...]"},
    {"ms3d", altostrat::tool::Ms3dCommand, "ms3d FILE"},
    {"bmp", altostrat::tool::BmpCommand, "bmp FILE [--ppm OUT]"},
    {"pace", altostrat::tool::PaceCommand,
     "pace --refresh HZ --draw-ms MS --seconds S [--no-vsync]"},
};

int PrintUsage(FILE* out) {
    std::fprintf(out, "usage:\n");
    for (const Command& command : kCommands) {
        std::fprintf(out, "  altostrat-tool %s\n", command.usage);
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return PrintUsage(stderr);
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            return command.run(argc - 2, argv + 2);
        }
    }
    std::fprintf(stderr, "altostrat-tool: unknown command '%s'\n", argv[1]);
    return PrintUsage(stderr);
}
