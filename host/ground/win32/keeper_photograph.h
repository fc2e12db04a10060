#pragma once
// The keeper's photograph of the user's desktop, for a saver started where its own photograph
// shows nothing of the user's windows.

#include <optional>

#include "common/picture_layout.h"
#include "common/screen_rect.h"

namespace altostrat {

// The photograph the keeper holds, when it is the user's own, whole, of VIRTUAL_SCREEN's layout
// and taken after the user's last input; it is then marked taken, and the keeper drops it.
// Nothing otherwise.
std::optional<RgbPicture> TakeKeeperPhotograph(const ScreenRect& virtualScreen);

}  // namespace altostrat
