#include "flight/model/ms3d_model.h"

#include <utility>

#include "common/file_bytes.h"
#include "flight/model/ms3d_format.h"

namespace altostrat {
namespace {

// An aircraft model takes some hundred kilobytes; a file larger than this is refused before
// anything is read into memory.
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

}  // namespace

bool Ms3dModel::Load(const std::string& path, const DibErrorReport& report) {
    if (!ReadFile(path)) {
        return false;
    }
    ReloadTextures(report);
    return true;
}

bool Ms3dModel::ReadFile(const std::string& path) {
    const FileReadResult file = ReadWholeFile(path, kMaxFileBytes);
    if (file.status != FileReadStatus::kRead) {
        data_ = ModelData{};
        return false;
    }
    return LoadFromBytes(file.data.get(), file.size);
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
