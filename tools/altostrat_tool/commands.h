#pragma once
// The inspection tool's subcommands. Each takes the arguments after its own name, prints its
// result to standard output and gives the process exit code. Output formats are read by
// scripts: keep them stable.

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

}  // namespace altostrat::tool
