#include "host/text/paths.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/file_bytes.h"

namespace altostrat {

bool FileExists(std::string_view path) {
    if (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    if (path.empty()) {
        return false;
    }
    const std::filesystem::path p = PathFromUtf8(path);
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(p, error).type();
    // A folder, and a pipe whose opening would wait for a writer, are not files to play.
    if (type == std::filesystem::file_type::directory || type == std::filesystem::file_type::fifo ||
        type == std::filesystem::file_type::socket) {
        return false;
    }
    std::ifstream in(p, std::ios::binary);
    return in.is_open();
}

std::string SettingsPath(std::string_view programFolder) {
    std::string path(programFolder);
    path += u8"\\\u30A2\u30EB\u30C8\u30B9\u30C8\u30E9\u30C8.ini";  // \アルトストラト.ini
    return path;
}

std::string FolderOfPath(std::string_view path) {
    // ':' and '\' are single bytes that never occur inside a UTF-8 multi-byte character.
    const std::size_t last = path.find_last_of(":\\");
    std::string folder(last == std::string_view::npos ? std::string_view()
                                                      : path.substr(0, last + 1));
    if (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace altostrat
