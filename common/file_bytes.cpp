#include "common/file_bytes.h"

#include <fstream>
#include <new>
#include <system_error>

#include "common/utf8.h"

#ifdef _WIN32
#include "common/win32/durable_replace.h"
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace altostrat {

namespace fs = std::filesystem;

#ifndef _WIN32
namespace {

bool WriteAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace
#endif

fs::path PathFromUtf8(std::string_view utf8Path) {
#ifdef _WIN32
    // The conversion here turns a malformed byte into U+FFFD instead of throwing, as the
    // library's own would.
    const std::u16string wide = Utf8ToUtf16(utf8Path);
    return fs::path(std::wstring(wide.begin(), wide.end()));
#else
    return fs::path(std::string(utf8Path));
#endif
}

FileReadResult ReadWholeFile(std::string_view utf8Path, std::size_t maxBytes) {
    FileReadResult result;
    const fs::path path = PathFromUtf8(utf8Path);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        return result;
    }
    result.status = FileReadStatus::kUnreadable;
    if (status.type() != fs::file_type::regular) {  // a folder, a pipe, a device
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return result;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    in.seekg(0, std::ios::beg);
    if (!in || length < 0) {
        return result;
    }
    if (static_cast<std::uint64_t>(length) > maxBytes) {
        result.status = FileReadStatus::kTooLarge;
        return result;
    }
    const auto size = static_cast<std::size_t>(length);
    if (size > 0) {
        result.data.reset(new (std::nothrow) std::uint8_t[size]);
        if (result.data == nullptr) {
            result.status = FileReadStatus::kTooLarge;
            return result;
        }
        // Exactly the length measured above: a file that grew since is cut there, one that
        // shrank fails the read.
        if (!in.read(reinterpret_cast<char*>(result.data.get()),
                     static_cast<std::streamsize>(size))) {
            result.data.reset();
            return result;
        }
    }
    result.size = size;
    result.status = FileReadStatus::kRead;
    return result;
}

bool ReplaceFileContents(std::string_view utf8Path, std::string_view bytes) {
    std::string temporary(utf8Path);
    temporary += ".new";
#ifdef _WIN32
    return ReplaceWrittenThrough(PathFromUtf8(temporary).wstring(),
                                 PathFromUtf8(utf8Path).wstring(), bytes);
#else
    const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0) {
        return false;
    }
    const bool flushed = WriteAll(file, bytes) && fsync(file) == 0;
    const bool closed = close(file) == 0;
    if (!flushed || !closed || rename(temporary.c_str(), std::string(utf8Path).c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename is an entry of the folder: it lasts once the folder is on the disk too.
    fs::path folder = PathFromUtf8(utf8Path).parent_path();
    const int directory =
        open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        fsync(directory);
        close(directory);
    }
    return true;
#endif
}

}  // namespace altostrat
