#pragma once
// Whole-file reading and replacing for the host's own small files, by UTF-8 path on every
// system (wide paths on Windows, so Japanese folder names work whatever the system language).

#include <cstddef>
#include <string>
#include <string_view>

namespace altostrat {

// True when the path names something that opens for reading; a folder does not count. One
// trailing backslash is dropped first, so "C:\Music\a.mp3\" tests the file a.mp3.
bool FileExists(std::string_view path);

enum class FileReadStatus {
    Read,        // bytes holds the whole file
    Missing,     // nothing at that path
    Unreadable,  // something is there but cannot be read (a folder, no access, a read error)
    TooLarge,    // more than the caller's limit: nothing of it is kept
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
};

// Reads up to maxBytes; never more, whatever size the file claims or grows to while read.
FileReadResult ReadWholeFile(std::string_view path, std::size_t maxBytes);

// Writes the bytes to PATH.new beside the file, then renames that over the file, so the file is
// either the old one or the new one, never a half-written mix. False when either step failed;
// the old file is then untouched and no PATH.new is left behind.
bool ReplaceFileContents(std::string_view path, std::string_view bytes);

}  // namespace altostrat
