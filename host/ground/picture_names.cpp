#include "host/ground/picture_names.h"

#include <cctype>
#include <string>

namespace altostrat {

bool IsPictureFileName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return false;
    }
    std::string extension(name.substr(dot + 1));
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const char* known :
         {"jpg", "jpeg", "jpe", "jfif", "png", "bmp", "dib", "gif", "tif", "tiff"}) {
        if (extension == known) {
            return true;
        }
    }
    return false;
}

}  // namespace altostrat
