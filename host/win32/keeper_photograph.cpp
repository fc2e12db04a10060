#include "host/win32/keeper_photograph.h"

namespace altostrat {

// Stands in until the keeper's reader lands: no keeper has held a photograph.
std::optional<RgbPicture> TakeKeeperPhotograph(const ScreenRect&) {
    return std::nullopt;
}

}  // namespace altostrat
