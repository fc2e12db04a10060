#pragma once
// Fixed places and path arithmetic. Paths are UTF-8 text in Windows form: a backslash between
// folders and a colon after a drive letter.

#include <string>
#include <string_view>

namespace altostrat {

// True when the path names something that opens for reading; a folder does not count. One
// trailing backslash is dropped first, so "C:\Music\a.mp3\" tests the file a.mp3.
bool FileExists(std::string_view path);

// The settings file beside the program: PROGRAM_FOLDER\アルトストラト.ini.
std::string SettingsPath(std::string_view programFolder);

// Everything before the last ':' or '\', without a trailing '\':
//   C:\Music\song.mp3 -> C:\Music    C:\song.mp3 -> C:    C:song.mp3 -> C:
//   song.mp3 -> (empty)              \\server\share\a.wav -> \\server\share
std::string FolderOfPath(std::string_view path);

}  // namespace altostrat
