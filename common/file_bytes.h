#pragma once
// Whole files in and out, by UTF-8 path on every system: on Windows the path is converted to
// UTF-16, so a program in a folder with a Japanese name finds its files whatever the system
// language. Both programs read their files through here.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace altostrat {

// The path for the standard library's file functions. Never throws, whatever the bytes.
std::filesystem::path PathFromUtf8(std::string_view utf8Path);

enum class FileReadStatus {
    kRead,        // the whole file is in the result
    kMissing,     // nothing at that path
    kUnreadable,  // something is there but cannot be read (a folder, no access, a read error)
    kTooLarge,    // more than the caller's limit: nothing of it is kept
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::kMissing;
    // Not cleared before the read: for the desktop photograph that would cost as much as the
    // read itself. Null for an empty file.
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;

    std::string_view Text() const {
        return std::string_view(reinterpret_cast<const char*>(data.get()), size);
    }
};

// Reads at most maxBytes: never more, whatever size the file claims or grows to while read.
FileReadResult ReadWholeFile(std::string_view utf8Path, std::size_t maxBytes);

// Writes the bytes to PATH.new beside the file, flushes them to the disk, then renames that over
// the file and waits for the rename to reach the disk too, so the file is either the old one or
// the new one, never a half-written mix nor, after a power cut, an empty one. False when a step
// failed; the old file is then untouched and no PATH.new is left behind.
bool ReplaceFileContents(std::string_view utf8Path, std::string_view bytes);

}  // namespace altostrat
