#include "ms3d_model.h"

#include <utility>

#include "file_bytes.h"
#include "ms3d_format.h"

namespace altostrat {
namespace {

// An aircraft model takes some hundred kilobytes; a file larger than this is refused before
// anything is read into memory.
constexpr std::uint64_t kMaxFileBytes = 256u << 20;

}  // namespace

bool Ms3dModel::Load(const std::string& path, const DibErrorReport& report) {
    if (!ReadFile(path)) {
        return false;
    }
    ReloadTextures(report);
    return true;
}

bool Ms3dModel::ReadFile(const std::string& path) {
    FileBytes bytes;
    if (ReadFileBytes(path, kMaxFileBytes, bytes) != FileReadResult::kOk) {
        data_ = ModelData{};
        return false;
    }
    return LoadFromBytes(bytes.data.get(), bytes.size);
}

bool Ms3dModel::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
    ModelData read;
    if (!ParseMs3d(data, size, read)) {
        data_ = ModelData{};
        return false;
    }
    data_ = std::move(read);
    return true;
}

}  // namespace altostrat
