#pragma once
// Fixed places and path arithmetic. Paths are UTF-8 text in Windows form: a backslash between
// folders and a colon after a drive letter.

#include <string>
#include <string_view>

namespace altostrat {

// Where a saver run leaves the desktop picture and its two companions for the renderer.
constexpr char kCaptureFolder[] = "C:\\t_wisp";

// The settings file beside the program: PROGRAM_FOLDER\アルトストラト.ini.
std::string SettingsPath(std::string_view programFolder);

// Everything before the last ':' or '\', without a trailing '\':
//   C:\Music\song.mp3 -> C:\Music    C:\song.mp3 -> C:    C:song.mp3 -> C:
//   song.mp3 -> (empty)              \\server\share\a.wav -> \\server\share
std::string FolderOfPath(std::string_view path);

}  // namespace altostrat
