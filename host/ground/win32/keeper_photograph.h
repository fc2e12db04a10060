#pragma once
// The keeper's photograph of the user's desktop, for a saver started where its own photograph
// shows nothing of the user's windows.

#include <optional>

#include "common/keeper_photograph.h"
#include "common/picture_layout.h"
#include "common/screen_layout.h"

namespace altostrat {

// The photograph the keeper holds, when the section is the user's own and no one else's, whole,
// of the screen as LAYOUT reads it now (the same virtual screen, monitors and scales) and taken
// after the user's last input; it is then marked taken, and the keeper drops it. Nothing
// otherwise. VERDICT, when given, gets the keeper's verdict on the photograph it found (nothing
// when it holds none).
std::optional<RgbPicture> TakeKeeperPhotograph(const ScreenLayout& layout,
                                               std::optional<KeeperVerdict>* verdict = nullptr);

}  // namespace altostrat
