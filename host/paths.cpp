#include "paths.h"

namespace altostrat {

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
