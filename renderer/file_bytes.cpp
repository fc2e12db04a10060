#include "file_bytes.h"

#include <fstream>
#include <new>

namespace altostrat {

FileReadResult ReadFileBytes(const std::string& path, std::uint64_t maxBytes, FileBytes& bytes) {
    bytes = FileBytes{};
    // Reading the first byte tells a file with content from a missing, empty or unreadable one
    // (a folder opens on some systems, reports a nonsensical length and fails only on reading).
    std::ifstream file(path, std::ios::binary);
    if (!file || file.peek() == std::ifstream::traits_type::eof()) {
        return FileReadResult::kCannotRead;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff length = file.tellg();
    if (!file || length < 0) {
        return FileReadResult::kCannotRead;
    }
    if (static_cast<std::uint64_t>(length) > maxBytes) {
        return FileReadResult::kTooLarge;
    }
    const auto size = static_cast<std::size_t>(length);
    std::unique_ptr<std::uint8_t[]> data(new (std::nothrow) std::uint8_t[size]);
    if (data == nullptr) {
        return FileReadResult::kTooLarge;
    }
    file.seekg(0, std::ios::beg);
    if (!file.read(reinterpret_cast<char*>(data.get()), static_cast<std::streamsize>(size))) {
        return FileReadResult::kCannotRead;
    }
    bytes.data = std::move(data);
    bytes.size = size;
    return FileReadResult::kOk;
}

}  // namespace altostrat
