#include "linux_program/picture/own_picture.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include "common/file_bytes.h"
#include "common/picture_limits.h"
#include "linux_program/picture/picture_decode.h"

namespace altostrat {
namespace {
namespace fs = std::filesystem;
}  // namespace

PictureDecode DecodePictureFile(const std::string& path, PictureSize screen, DecodeStop stop,
                                PictureFit fit) {
    PictureDecode result;
    std::error_code error;
    if (!fs::is_regular_file(PathFromUtf8(path), error)) {
        result.error = fs::exists(PathFromUtf8(path), error) ? "not a file" : "no such file";
        return result;
    }
    const FileReadResult read = ReadWholeFile(path, kMaxPictureFileBytes);
    switch (read.status) {
        case FileReadStatus::kRead:
            return DecodePictureBytes(read.data.get(), read.size, screen, stop, fit);
        case FileReadStatus::kTooLarge:
            result.error = "too large a file";
            return result;
        case FileReadStatus::kMissing:
            result.error = "no such file";
            return result;
        case FileReadStatus::kUnreadable:
            break;
    }
    result.error = "cannot be read";
    return result;
}

namespace {

// The folder's files (links followed), in name order before they are shuffled, so the seed
// alone decides the choice.
std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(PathFromUtf8(folder), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        if (it->is_regular_file(kindError)) {
            files.push_back(it->path().u8string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

PictureDecode DecodeOneOf(const std::string& folder, PictureSize screen, std::uint32_t seed,
                          DecodeStop stop) {
    std::vector<std::string> files = FilesIn(folder);
    std::shuffle(files.begin(), files.end(), std::mt19937(seed));
    PictureDecode none;
    none.error = files.empty() ? "a folder without files" : "no picture in it can be read";
    for (const std::string& file : files) {
        if (stop != nullptr && stop()) {
            none.error = "stopped";
            break;
        }
        PictureDecode decoded = DecodePictureFile(file, screen, stop);
        if (decoded.error.empty()) {
            return decoded;
        }
    }
    return none;
}

}  // namespace

OwnPicture LoadOwnPicture(const std::string& path, PictureSize screen, std::uint32_t seed,
                          DecodeStop stop) {
    OwnPicture own;
    std::error_code error;
    const bool folder = fs::is_directory(PathFromUtf8(path), error);
    const PictureDecode decoded =
        folder ? DecodeOneOf(path, screen, seed, stop) : DecodePictureFile(path, screen, stop);
    if (!decoded.error.empty()) {
        own.error = path + ": " + decoded.error;
        return own;
    }
    const ScreenRect canvas{0, 0, screen.width, screen.height};
    own.laid = LayPicture(decoded.picture, canvas, {canvas}, PictureFit::kFill, {0, 0, 0});
    return own;
}

}  // namespace altostrat
