#pragma once
// The inspection tool's subcommands. Each takes the arguments after its own name, prints its
// result to standard output and gives the process exit code. Output formats are read by
// scripts: keep them stable. Each command's usage line is its own, and the tool's --help lists
// them all.

namespace altostrat::tool {

int RandCommand(int argc, char** argv);
int FlightCommand(int argc, char** argv);
int TerrainCommand(int argc, char** argv);
int RenderCommand(int argc, char** argv);
int SettingsCommand(int argc, char** argv);
int ModeCommand(int argc, char** argv);
int Ms3dCommand(int argc, char** argv);
int BmpCommand(int argc, char** argv);
int PaceCommand(int argc, char** argv);

extern const char kRandUsage[];
extern const char kFlightUsage[];
extern const char kTerrainUsage[];
extern const char kRenderUsage[];
extern const char kSettingsUsage[];
extern const char kModeUsage[];
extern const char kMs3dUsage[];
extern const char kBmpUsage[];
extern const char kPaceUsage[];

}  // namespace altostrat::tool
