#pragma once
// A whole file read into memory with the C++ library, on every platform.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace altostrat {

enum class FileReadResult { kOk, kCannotRead, kTooLarge };

// The buffer is not cleared before the file is read into it: for the desktop photograph that
// would cost as much as the read itself.
struct FileBytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
};

// Reads the file at path (a narrow path, as the C library takes it). A missing, unreadable or
// empty file gives kCannotRead; one longer than maxBytes is not read at all.
FileReadResult ReadFileBytes(const std::string& path, std::uint64_t maxBytes, FileBytes& bytes);

}  // namespace altostrat
