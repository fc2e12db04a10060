#include "flight/scene/aircraft.h"

namespace altostrat {

bool LoadAircraftFile(RendererState& state, const std::string& path) {
    if (state.aircraftList != 0) {
        return false;
    }
    return state.aircraftModel.ReadFile(path);
}

bool LoadAircraftBytes(RendererState& state, const std::uint8_t* data, std::size_t size) {
    if (state.aircraftList != 0) {
        return false;
    }
    return state.aircraftModel.LoadFromBytes(data, size);
}

}  // namespace altostrat
