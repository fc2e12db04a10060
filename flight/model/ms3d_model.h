#pragma once
// The polygon model filled from a MilkShape 3D file (versions 3 and 4).

#include <cstddef>
#include <cstdint>
#include <string>

#include "flight/model/model.h"

namespace altostrat {

class Ms3dModel : public Model {
  public:
    Ms3dModel() = default;
    Ms3dModel(Ms3dModel&&) = default;
    Ms3dModel& operator=(Ms3dModel&&) = default;

    // Reads the whole file, fills the model and creates its textures with report. False for a
    // file that cannot be read, is no MS3D file of version 3 or 4, is shorter than its counts
    // announce or has an index outside its array; the model is empty then.
    bool Load(const std::string& path, const DibErrorReport& report = nullptr) override;

    // The same without creating textures (every material's texture is 0 afterwards), from the
    // file or from a whole file already in memory. No rendering context is needed.
    bool ReadFile(const std::string& path);
    bool LoadFromBytes(const std::uint8_t* data, std::size_t size);
};

}  // namespace altostrat
