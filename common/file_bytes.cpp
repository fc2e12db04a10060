#include "common/file_bytes.h"

#include <fstream>
#include <new>
#include <system_error>

#include "common/utf8.h"

namespace altostrat {

namespace fs = std::filesystem;

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
    fs::rename(temporaryPath, PathFromUtf8(utf8Path), error);
    if (error) {
        fs::remove(temporaryPath, error);
        return false;
    }
    return true;
}

}  // namespace altostrat
