#include "file_access.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "text/utf8.h"

namespace altostrat {

namespace fs = std::filesystem;

namespace {

// Windows paths are UTF-16 and converted here, where a malformed byte cannot make the
// conversion throw; elsewhere a path is the bytes themselves.
fs::path PathFromUtf8(std::string_view text) {
#ifdef _WIN32
    const std::u16string wide = Utf8ToUtf16(text);
    return fs::path(std::wstring(wide.begin(), wide.end()));
#else
    return fs::path(std::string(text));
#endif
}

}  // namespace

bool FileExists(std::string_view path) {
    if (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    if (path.empty()) {
        return false;
    }
    const fs::path p = PathFromUtf8(path);
    std::error_code error;
    const fs::file_type type = fs::status(p, error).type();
    // A folder, and a pipe whose opening would wait for a writer, are not files to play.
    if (type == fs::file_type::directory || type == fs::file_type::fifo ||
        type == fs::file_type::socket) {
        return false;
    }
    std::ifstream in(p, std::ios::binary);
    return in.is_open();
}

FileReadResult ReadWholeFile(std::string_view path, std::size_t maxBytes) {
    FileReadResult result;
    const fs::path p = PathFromUtf8(path);
    std::error_code error;
    const fs::file_status status = fs::status(p, error);
    if (status.type() == fs::file_type::not_found) {
        result.status = FileReadStatus::Missing;
        return result;
    }
    if (status.type() != fs::file_type::regular) {  // a folder, a pipe, a device
        result.status = FileReadStatus::Unreadable;
        return result;
    }
    std::ifstream in(p, std::ios::binary);
    if (!in.is_open()) {
        result.status = FileReadStatus::Unreadable;
        return result;
    }
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        const std::size_t got = static_cast<std::size_t>(in.gcount());
        if (got > maxBytes - result.bytes.size()) {
            result.bytes.clear();
            result.status = FileReadStatus::TooLarge;
            return result;
        }
        result.bytes.append(chunk, got);
    }
    if (in.bad()) {
        result.bytes.clear();
        result.status = FileReadStatus::Unreadable;
        return result;
    }
    result.status = FileReadStatus::Read;
    return result;
}

bool ReplaceFileContents(std::string_view path, std::string_view bytes) {
    std::string temporary(path);
    temporary += ".new";
    const fs::path temporaryPath = PathFromUtf8(temporary);
    std::error_code error;
    {
        std::ofstream out(temporaryPath, std::ios::binary | std::ios::trunc);
        if (!out.is_open()) {
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out.fail()) {
            fs::remove(temporaryPath, error);
            return false;
        }
    }
    fs::rename(temporaryPath, PathFromUtf8(path), error);
    if (error) {
        fs::remove(temporaryPath, error);
        return false;
    }
    return true;
}

}  // namespace altostrat
