#pragma once

#include <optional>

#include "common/picture_layout.h"
#include "common/screen_rect.h"

namespace altostrat {

std::optional<RgbPicture> TakeKeeperPhotograph(const ScreenRect& virtualScreen);

}  // namespace altostrat
